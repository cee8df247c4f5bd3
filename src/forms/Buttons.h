#pragma once
// Buttons: push buttons with default, cancel and modal-result behaviour, the
// bitmap button with its kinds, and the speed button of tool bars.
#include <memory>

#include "forms/TWinControl.h"

// What both kinds of button share, windowed or not: a button peer showing
// the caption and the picture.
template <class Base>
class TButtonBase : public Base {
 public:
  using Base::Base;

 protected:
  void ApplyToPeer() override {
    Base::ApplyToPeer();
    peer_->SetCaption(this->Caption());
    if (!this->Picture().empty()) peer_->SetPicture(this->Picture());
  }
  void CaptionChanged() override {
    if (peer_) peer_->SetCaption(this->Caption());
  }
  void PictureChanged() override {
    if (peer_) peer_->SetPicture(this->Picture());
  }

  std::unique_ptr<platform::IButtonPeer> peer_;
};

class TButtonControl : public TButtonBase<TWinControl> {
 public:
  explicit TButtonControl(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Hands the modal result to the window, then runs OnClick.
  void Click() override;

  bool WantsDialogKey(Word key) const override { return key == VK_RETURN && Focused(); }
  bool DialogKey(Word key) override;
  bool DialogChar(char ch) override;
  bool KeyDown(Word& key, TShiftState shift) override;
  bool KeyPress(char ch) override;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = mrNone;
};

class TButton : public TButtonControl {
 public:
  using TButtonControl::TButtonControl;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel };

class TBitBtn : public TButtonControl {
 public:
  using TButtonControl::TButtonControl;
  TBitBtnKind Kind() const { return kind_; }
  // The kinds bring their caption, picture, default or cancel role and modal result.
  void SetKind(TBitBtnKind kind);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count) { numGlyphs_ = count; }

 private:
  TBitBtnKind kind_ = bkCustom;
  int numGlyphs_ = 1;
};

// A picture button that never takes the focus.
class TSpeedButton : public TButtonBase<TControl> {
 public:
  using TButtonBase::TButtonBase;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
};
