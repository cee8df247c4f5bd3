#pragma once
// A one-line text field: its text and the highlighted part of it.
#include <memory>

#include "forms/TWinControl.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  const AnsiString& Text() const { return text_; }
  void SetText(AnsiString text);
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelection(int start, int length);

 protected:
  // The edit part of the peer the control keeps; null until made.
  virtual platform::IEditPeer* EditPeer() const = 0;
  void ApplyToPeer() override;
  bool HandlePeerEvent(const platform::PeerEvent& event) override;

 private:
  AnsiString text_;
  int selStart_ = 0;
  int selLength_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  platform::IEditPeer* EditPeer() const override { return peer_.get(); }

 private:
  std::unique_ptr<platform::IEditPeer> peer_;
};
