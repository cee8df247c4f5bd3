#pragma once
// A peer of the headless window system, in whichever role it was made for:
// plain fields holding what a person would see, plus a pixel buffer for
// windows. Tests read the fields; the driver feeds input to the listener.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FormPeer.h"
#include "platform/FrameMetrics.h"
#include "platform/PeerEvent.h"
#include "platform/Peers.h"

namespace platform::headless {

class HeadlessWindowSystem;

// What the peer was made for.
enum class PeerKind {
  Form,
  Container,     // tool bar, control bar, panel
  ControlBand,   // a tool bar inside a control bar: the user can drag it
  TabControl,
  Button,        // push button and bitmap button
  SpeedButton,
  Edit,
  ComboBox,
  CheckListBox,
  StatusBar,
  Shape,
  Label,
  Image,
  Memo,
  Animate,
  WebView,
};

class HeadlessPeer : public IFormPeer,
                     public IContainerPeer,
                     public ITabControlPeer,
                     public IButtonPeer,
                     public IComboBoxPeer,
                     public IStatusBarPeer,
                     public IShapePeer,
                     public ILabelPeer,
                     public IMemoPeer,
                     public IImagePeer,
                     public IAnimatePeer {
 public:
  HeadlessPeer(HeadlessWindowSystem& system, PeerKind kind, HeadlessPeer* parent, IPeerListener& listener);
  ~HeadlessPeer() override;

  // what the peer shows
  PeerKind kind;
  HeadlessPeer* parent;
  Rect bounds;
  bool visible = true;
  bool enabled = true;
  std::string caption;
  std::string hint;
  std::string picture;
  FontSpec font;
  bool wordWrap = false;
  bool transparent = false;
  Color color = 0;
  Cursor cursor = Cursor::Default;
  BorderStyle border = BorderStyle::Sizeable;
  BorderIcons borderIcons;
  std::vector<MenuEntry> menu;
  int openMenu = -1;
  WindowState windowState = WindowState::Normal;
  bool modal = false;
  std::string text;
  int selStart = 0;
  int selLength = 0;
  bool droppedDown = false;
  int dropDownCount = 0;
  // A list's entries as shown, copied from the class library's list as it
  // reports each change, so a change it fails to report shows here.
  std::vector<std::string> items;
  std::vector<bool> checked;
  int itemIndex = -1;
  int itemHeight = 0;
  int itemRedraws = 0;        // whole-list redraws
  int refuseItemsFrom = -1;   // test knob: the list refuses entries beyond this count
  std::vector<int> panelWidths;
  std::vector<std::string> panelTexts;
  std::string simpleText;
  ShapeKind shape = ShapeKind::Rectangle;
  Color brush = 0xFFFFFF;
  Color pen = 0;
  std::vector<std::string> tabs;
  Clip clip = Clip::None;
  int clipFrame = 0;  // the frame on show
  // A window's client area as last painted, row by row, 0x00BBGGRR.
  std::vector<Color> pixels;
  int paintCount = 0;

  // Hands an event to the class library, as the native control would.
  bool Report(const PeerEvent& event) { return listener_.OnPeerEvent(event); }
  // The form this peer stands in (itself for a form).
  HeadlessPeer* Window();
  // Shown with all its parents.
  bool Showing() const;
  // The frame around a window's client area: the window manager's, or the fixed table.
  Insets Frame() const;
  Rect ClientRect() const;
  // Tells the class library the window's bounds and the client area it got.
  void ReportSize();
  Color PixelAt(int x, int y) const;
  // The native handling of a key the class library left alone.
  void DefaultKey(Word key, char ch);

  void SetBounds(const Rect& r) override;
  void SetVisible(bool v) override;
  void SetEnabled(bool e) override { enabled = e; }
  void SetFocus() override;
  void SetCaption(const std::string& c) override { caption = c; }
  void SetHint(const std::string& h) override { hint = h; }
  void SetPicture(const std::string& p) override { picture = p; }
  void SetFont(const FontSpec& f) override { font = f; }
  void SetWordWrap(bool w) override { wordWrap = w; }
  void SetTransparent(bool t) override { transparent = t; }
  void SetColor(Color c) override { color = c; }
  void SetCursor(Cursor c) override { cursor = c; }
  void SetBorder(BorderStyle b, const BorderIcons& icons) override;
  void SetMenu(const std::vector<MenuEntry>& entries, const std::vector<std::string>&) override { menu = entries; }
  void OpenMenu(int index) override { openMenu = index; }
  void SetWindowState(WindowState s) override { windowState = s; }
  void Repaint() override;
  void BeginModal() override { modal = true; }
  void EndModal() override { modal = false; }
  void SetText(const std::string& t) override;
  void SetSelection(int start, int length) override;
  void SetDroppedDown(bool d) override { droppedDown = d; }
  void SetDropDownCount(int n) override { dropDownCount = n; }
  void SetItems(const IListItems& all) override;
  void ItemInserted(int index) override;
  void ItemDeleted(int index) override;
  void TickChanged(int index) override { checked.at(index) = listItems_->Checked(index); }
  void SetItemIndex(int index) override { itemIndex = index; }
  void SetItemHeight(int height) override { itemHeight = height; }
  bool CanAddItem(int count) override { return refuseItemsFrom < 0 || count < refuseItemsFrom; }
  void SetPanels(const std::vector<int>& widths) override;
  void SetPanelText(int index, const std::string& t) override { panelTexts.at(index) = t; }
  void SetSimpleText(const std::string& t) override { simpleText = t; }
  void SetShape(ShapeKind k, Color b, Color p) override;
  void SetTabs(const std::vector<std::string>& t) override { tabs = t; }
  void SetClip(Clip c) override { clip = c; }
  void ShowFrame(int f) override { clipFrame = f; }

 protected:
  HeadlessWindowSystem& system_;

 private:
  // Queues a paint of a window, as a desktop does when it appears or changes size.
  void Invalidate();
  void EditText(std::string newText, int caret);

  IPeerListener& listener_;
  const IListItems* listItems_ = nullptr;
  std::vector<Color> offscreen_;  // a form's buffer for double-buffered paints
};

}  // namespace platform::headless
