#pragma once
// A visual control: bounds, alignment, visibility, caption and a peer that
// mirrors them in the window system. Each kind of control keeps its peer in
// the peer's role; the common part is reached here.
#include "forms/TComponent.h"
#include "forms/TFont.h"
#include "platform/ControlPeer.h"
#include "platform/PeerEvent.h"
#include "platform/WindowSystem.h"

class TWinControl;
class TForm;

using TCursor = platform::Cursor;
constexpr TCursor crDefault = platform::Cursor::Default;
constexpr TCursor crHandPoint = platform::Cursor::HandPoint;

class TControl : public TComponent, public platform::IPeerListener {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  // The form this control stands on (itself for a form).
  virtual TForm* ParentForm() const;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  platform::Rect BoundsRect() const { return bounds_; }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  void SetBounds(int left, int top, int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible together with every parent.
  bool OnScreen() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible and enabled together with every parent.
  bool Showing() const;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption);
  const AnsiString& Hint() const { return hint_; }
  void SetHint(const AnsiString& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& name);
  // The mouse pointer shown over the control.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  TNotifyEvent OnClick;
  virtual void Click();

  // The common part of the peer; null until the window system made it.
  platform::IControlPeer* Peer() const { return peer_; }
  bool OnPeerEvent(const platform::PeerEvent& event) final;

 protected:
  friend class TWinControl;
  // Builds the peer once the parent has one; pushes every property to it.
  virtual void CreatePeer();
  // Makes the peer in the control's role, keeps it, and returns its common
  // part. parent: the peer of the control this one stands on; null for a window.
  virtual platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) = 0;
  virtual void ApplyToPeer();
  // Reacts to what the user did; true when the event is used up.
  virtual bool HandlePeerEvent(const platform::PeerEvent& event);
  // The control's bounds changed (by code or by the user).
  virtual void BoundsChanged() {}
  // The caption, the picture or the font changed: a control whose peer
  // shows it passes it on.
  virtual void CaptionChanged() {}
  virtual void PictureChanged() {}
  virtual void FontChanged() {}
  // The control or a parent was shown or hidden.
  virtual void ShowingChanged() {}
  // The colour of the window the control stands on, which shows around it.
  TColor ParentColor() const;
  virtual void EnabledChanged() {}
  void SetBoundsFromUser(const platform::Rect& bounds);

 private:
  void RequestParentRealign();
  // The hint the native control shows: none unless hints are on.
  AnsiString ShownHint() const { return showHint_ ? hint_ : AnsiString(); }

  TWinControl* parent_ = nullptr;
  platform::Rect bounds_;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  AnsiString caption_;
  AnsiString hint_;
  bool showHint_ = false;
  std::string picture_;
  TCursor cursor_ = crDefault;
  TFont font_;
  int tabOrder_ = -1;
  platform::IControlPeer* peer_ = nullptr;
};
