#pragma once
// A one-line text field: its text and the highlighted part of it.
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
  platform::PeerKind PeerType() const override { return platform::PeerKind::Edit; }
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
};
