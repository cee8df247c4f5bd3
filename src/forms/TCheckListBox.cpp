#include "forms/TCheckListBox.h"

// A list is white unless its window's design says otherwise.
TCheckListBox::TCheckListBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWhite);
}

platform::IControlPeer& TCheckListBox::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateCheckListBoxPeer(*parent, *this);
  return *peer_;
}

void TCheckListBox::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  peer_->SetItemHeight(itemHeight_);
  items_.ShowIn(*peer_);
}

bool TCheckListBox::KeyDown(Word& key, TShiftState shift) {
  if (TWinControl::KeyDown(key, shift)) return true;
  const int index = ItemIndex();
  if (key != VK_SPACE || !shift.Empty() || index < 0 || index >= items_.Count()) return false;
  SetChecked(index, !Checked(index));
  return true;
}

bool TCheckListBox::HandlePeerEvent(const platform::PeerEvent& event) {
  const auto inRange = [this](int index) { return index >= 0 && index < items_.Count(); };
  if (const auto* checked = std::get_if<platform::ItemChecked>(&event)) {
    if (inRange(checked->index)) SetChecked(checked->index, checked->checked);
    return true;
  }
  if (const auto* selected = std::get_if<platform::ItemSelected>(&event)) {
    if (inRange(selected->index)) items_.NoteItemIndex(selected->index);
    return true;
  }
  return TWinControl::HandlePeerEvent(event);
}
