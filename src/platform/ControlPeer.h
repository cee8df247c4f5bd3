#pragma once
// The native counterpart of a class-library control. A peer only shows what the
// control tells it and reports what the user does; every setter has a no-op
// default so each kind of peer implements just what it shows.
#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Clip.h"
#include "platform/Geometry.h"
#include "platform/ListItems.h"
#include "platform/MenuModel.h"

namespace platform {

class IWebEngine;

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

enum class ShapeKind { Rectangle, Circle };
enum class WindowState { Normal, Minimized, Maximized };
enum class BorderStyle { Sizeable, Single, None };
enum class Cursor { Default, HandPoint };

// What a window's title bar offers besides moving it.
struct BorderIcons {
  bool systemMenu = true;  // the window menu and the close button
  bool minimize = true;
  bool maximize = true;
  bool operator==(const BorderIcons&) const = default;
};

struct FontSpec {
  std::string name = "MS Sans Serif";
  int height = -11;   // negative: character height in pixels
  Color color = 0;
  bool bold = false;
  bool underline = false;
};

class IControlPeer {
 public:
  virtual ~IControlPeer() = default;

  // every control
  virtual void SetBounds(const Rect&) {}
  virtual void SetVisible(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetFocus() {}
  virtual void SetCaption(const std::string&) {}
  virtual void SetHint(const std::string&) {}
  virtual void SetPicture(const std::string& /*name*/) {}
  virtual void SetFont(const FontSpec&) {}
  virtual void SetColor(Color) {}
  virtual void SetCursor(Cursor) {}
  virtual void Invalidate() {}

  // forms
  virtual void SetBorder(BorderStyle, const BorderIcons&) {}
  virtual void SetMenu(const std::vector<MenuEntry>&, const std::vector<std::string>& /*pictures*/) {}
  virtual void OpenMenu(int /*index*/) {}
  virtual void SetWindowState(WindowState) {}
  virtual void Repaint() {}  // paint the whole client area now
  virtual void BeginModal() {}
  virtual void EndModal() {}

  // edit boxes and the edit part of combo boxes
  virtual void SetText(const std::string&) {}
  virtual void SetSelection(int /*start*/, int /*length*/) {}
  virtual void SetDroppedDown(bool) {}
  virtual void SetDropDownCount(int) {}

  // list controls: the peer shows the entries it is handed, told of each
  // change once the entries have changed
  virtual void SetItems(const IListItems&) {}  // the whole list is new
  virtual void ItemInserted(int /*index*/) {}
  virtual void ItemDeleted(int /*index*/) {}
  virtual void ItemChecked(int /*index*/) {}   // its tick changed
  virtual void SetItemIndex(int) {}
  virtual void SetItemHeight(int /*pixels*/) {}  // every row the same
  // false when the native control refuses another entry
  virtual bool CanAddItem(int /*currentCount*/) { return true; }

  // status bar
  virtual void SetPanels(const std::vector<int>& /*widths*/) {}
  virtual void SetPanelText(int /*index*/, const std::string&) {}
  virtual void SetSimpleText(const std::string&) {}

  // labels and memos
  virtual void SetWordWrap(bool) {}
  virtual void SetTransparent(bool) {}

  // shape
  virtual void SetShape(ShapeKind, Color /*brush*/, Color /*pen*/) {}

  // animation: the clip and the frame on show, counted from 1
  virtual void SetClip(Clip) {}
  virtual void ShowFrame(int /*frame*/) {}

  // tab control
  virtual void SetTabs(const std::vector<std::string>&) {}

  // the engine of a web view; null for every other peer
  virtual IWebEngine* Engine() { return nullptr; }
};

}  // namespace platform
