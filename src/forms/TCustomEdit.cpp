#include "forms/TCustomEdit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TCustomEdit::SetText(AnsiString text) {
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = static_cast<int>(text_.size());
  selLength_ = 0;
  if (platform::IEditPeer* peer = EditPeer()) peer->SetText(text_);
}

void TCustomEdit::SetSelection(int start, int length) {
  selStart_ = start;
  selLength_ = length;
  if (platform::IEditPeer* peer = EditPeer()) peer->SetSelection(start, length);
}

void TCustomEdit::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  EditPeer()->SetText(text_);
  EditPeer()->SetSelection(selStart_, selLength_);
}

bool TCustomEdit::HandlePeerEvent(const platform::PeerEvent& event) {
  const auto* changed = std::get_if<platform::EditChanged>(&event);
  if (!changed) return TWinControl::HandlePeerEvent(event);
  text_ = changed->text;
  selStart_ = changed->selStart;
  selLength_ = changed->selLength;
  return true;
}

platform::IControlPeer& TEdit::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateEditPeer(*parent, *this);
  return *peer_;
}
