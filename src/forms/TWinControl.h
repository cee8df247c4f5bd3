#pragma once
// A control that holds other controls, lays out the aligned ones and can take
// the keyboard focus.
#include <vector>

#include "forms/TControl.h"
#include "rtl/Badge.h"

// A window as the platform knows it: its peer.
using HWND = platform::IControlPeer*;

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[index]; }
  // A control took this one as its parent, or left it.
  void InsertControl(Badge<TControl>, TControl* control) { controls_.push_back(control); }
  void RemoveControl(Badge<TControl>, TControl* control);

  // Lays the aligned children out in the class library's order: top, bottom,
  // left, right, then client, each group by position.
  void Realign();
  // The area the aligned children share, in this control's coordinates.
  virtual platform::Rect DisplayRect() const;

  // Null until the control has a peer.
  HWND Handle() const { return Peer(); }

  // The control's face: a windowed control covers what lies behind it with it.
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool stop) { tabStop_ = stop; }
  virtual bool CanFocus() const;
  void SetFocus();
  bool Focused() const;
  // The first control, this one or below it in tab order, that can take the focus.
  TWinControl* FindFirstFocusable();
  // Every focusable control below this one, in tab order.
  void CollectTabOrder(std::vector<TWinControl*>& out);

  TKeyEvent OnKeyDown;
  // The control's own key handling after the window's; true when used up.
  virtual bool KeyDown(Word& key, TShiftState shift);
  // A typed character after its key; true when used up.
  virtual bool KeyPress(char ch);
  // Whether the control keeps Enter or Esc for itself (no default or cancel button).
  virtual bool WantsDialogKey(Word /*key*/) const { return false; }
  // Whether the control's own content (a web page) uses the key first.
  virtual bool OwnAccelerator(Word /*key*/, TShiftState /*shift*/) { return false; }

  // Offered Enter or Esc; true when a default or cancel button took it.
  virtual bool DialogKey(Word key);
  // Offered an access key; true when a control with that letter took it.
  virtual bool DialogChar(char ch);

 protected:
  void CreatePeer() override;
  void ApplyToPeer() override;
  void BoundsChanged() override { Realign(); }
  void ShowingChanged() override;
  bool HandlePeerEvent(const platform::PeerEvent& event) override;

 private:
  void PlaceAligned(TAlign align, platform::Rect& space);

  std::vector<TControl*> controls_;
  TColor color_ = clBtnFace;
  bool tabStop_ = false;
  bool aligning_ = false;
};
