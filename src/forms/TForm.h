#pragma once
// A top-level window: creation, showing, activation, closing, modal display,
// the key routing of its controls, and the outer/client geometry.
#include <memory>
#include <optional>

#include "forms/TCanvas.h"
#include "forms/TWinControl.h"
#include "platform/FrameMetrics.h"
#include "rtl/Badge.h"

class TApplication;
class TMainMenu;

using TWindowState = platform::WindowState;
constexpr TWindowState wsNormal = platform::WindowState::Normal;
constexpr TWindowState wsMinimized = platform::WindowState::Minimized;
constexpr TWindowState wsMaximized = platform::WindowState::Maximized;
using TBorderStyle = platform::BorderStyle;
constexpr TBorderStyle bsSizeable = platform::BorderStyle::Sizeable;
constexpr TBorderStyle bsSingle = platform::BorderStyle::Single;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TForm* ParentForm() const override { return const_cast<TForm*>(this); }

  // Design data: shown at the end of its creation when designed visible.
  void SetDesignVisible(bool visible) { designVisible_ = visible; }
  void SetBorderStyle(TBorderStyle style);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  // No system menu, minimise, maximise or close box.
  void SetNoBorderIcons();
  bool Modal() const { return modal_; }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // The menu's items changed.
  void MenuChanged(Badge<TMainMenu>) { ShowMenu(); }
  // Drops down the menu of the menu-bar entry.
  void OpenMenu(Badge<TMainMenu>, int index);

  int ClientWidth() const { return Width() - FrameSize().width; }
  int ClientHeight() const { return Height() - FrameSize().height; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  platform::Rect DisplayRect() const override { return {0, 0, ClientWidth(), ClientHeight()}; }

  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);

  TWinControl* ActiveControl() const { return activeControl_; }
  void FocusControl(TWinControl* control);
  // Gives the window, and within it its active control, the keyboard focus.
  void TakeFocus();
  // The user gave the control the keyboard focus.
  void NoteFocus(Badge<TWinControl>, TWinControl* control) { activeControl_ = control; }

  void Show();
  void Hide();
  void Close();
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  void Repaint();
  TCanvas* Canvas() { return &canvas_; }

  // The form description is built.
  void AfterConstruction(Badge<TApplication>);
  // The application's focused window changed to this one.
  void Activated(Badge<TApplication>);

  TNotifyEvent OnCreate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnResize;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // The window's key routing; true when the key was used up.
  bool RouteKeyDown(Word key, TShiftState shift, char ch);
  bool IsShortCut(Word key, TShiftState shift);

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;
  void CaptionChanged() override;
  void PictureChanged() override;
  bool HandlePeerEvent(const platform::PeerEvent& event) override;
  void BoundsChanged() override;
  void EnabledChanged() override;

 private:
  // What the frame takes of the outer size: the fixed frame table until the
  // window system reports the client size the window really got.
  platform::Size FrameSize() const;
  void TakeReportedSize(const platform::Rect& outer, const platform::Size& client);
  void TakeReportedState(TWindowState state);
  // A window disabled behind a modal one offers nothing on its title bar.
  platform::BorderIcons ShownBorderIcons() const;
  void ShowMenu();
  bool CloseQuery();
  void CloseModal();
  bool RouteAccessKey(char ch);
  bool OfferDialogKey(Word key, TShiftState shift);
  bool MoveFocus(bool backwards);
  void PaintClientArea(platform::ICanvas& screen);

  bool designVisible_ = false;
  TBorderStyle borderStyle_ = bsSizeable;
  platform::BorderIcons borderIcons_;
  TMainMenu* menu_ = nullptr;
  bool doubleBuffered_ = false;
  TWindowState windowState_ = wsNormal;
  TWinControl* activeControl_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
  platform::Rect lastSize_;
  std::optional<platform::Size> reportedFrame_;
  // The size was last set as a client size, which a frame learnt later keeps.
  bool clientSized_ = false;
  TCanvas canvas_;
  std::unique_ptr<platform::IFormPeer> peer_;
};
