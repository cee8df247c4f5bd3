#include "forms/TCheckListBox.h"

TCheckListBox::TCheckListBox(TComponent* owner) : TWinControl(owner), items_(*this) { SetTabStop(true); }

void TCheckListBox::SetItemIndex(int index) {
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (Peer()) Peer()->SetItemIndex(index);
}

void TCheckListBox::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (Peer()) Peer()->SetColor(color);
}

void TCheckListBox::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  Peer()->SetColor(color_);
  items_.PushAll();
  Peer()->SetItemIndex(itemIndex_);
}

bool TCheckListBox::KeyDown(Word& key, TShiftState shift) {
  if (TWinControl::KeyDown(key, shift)) return true;
  if (key != VK_SPACE || !shift.Empty() || itemIndex_ < 0 || itemIndex_ >= items_.Count()) return false;
  SetChecked(itemIndex_, !Checked(itemIndex_));
  return true;
}

bool TCheckListBox::HandlePeerEvent(const platform::PeerEvent& event) {
  const bool inRange = event.index >= 0 && event.index < items_.Count();
  switch (event.kind) {
    case platform::PeerEventKind::ItemChecked:
      if (inRange) SetChecked(event.index, event.checked);
      return true;
    case platform::PeerEventKind::ItemSelected:
      if (inRange) itemIndex_ = event.index;
      return true;
    default:
      return TWinControl::HandlePeerEvent(event);
  }
}
