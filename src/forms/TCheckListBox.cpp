#include "forms/TCheckListBox.h"

// A list is white unless its window's design says otherwise.
TCheckListBox::TCheckListBox(TComponent* owner) : TWinControl(owner), items_(*this) {
  SetTabStop(true);
  SetColor(clWhite);
}

// The peer reads the entries: it goes before they do.
TCheckListBox::~TCheckListBox() { ResetPeer(); }

void TCheckListBox::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  Peer()->SetItemHeight(itemHeight_);
  items_.PushAll();
}

bool TCheckListBox::KeyDown(Word& key, TShiftState shift) {
  if (TWinControl::KeyDown(key, shift)) return true;
  const int index = ItemIndex();
  if (key != VK_SPACE || !shift.Empty() || index < 0 || index >= items_.Count()) return false;
  SetChecked(index, !Checked(index));
  return true;
}

bool TCheckListBox::HandlePeerEvent(const platform::PeerEvent& event) {
  const bool inRange = event.index >= 0 && event.index < items_.Count();
  switch (event.kind) {
    case platform::PeerEventKind::ItemChecked:
      if (inRange) SetChecked(event.index, event.checked);
      return true;
    case platform::PeerEventKind::ItemSelected:
      if (inRange) items_.NoteItemIndex(event.index);
      return true;
    default:
      return TWinControl::HandlePeerEvent(event);
  }
}
