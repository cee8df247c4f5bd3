#include "forms/TComboBox.h"

#include "rtl/CodePage.h"

TComboBox::TComboBox(TComponent* owner) : TCustomEdit(owner), items_(*this) {}

void TComboBox::TextKeepingItems::Clear() {
  const AnsiString text = box_.Text();
  TListControlItems::Clear();
  box_.SetText(text);
}

void TComboBox::SetItemIndex(int index) {
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (Peer()) Peer()->SetItemIndex(index);
}

void TComboBox::SetDroppedDown(bool dropped) {
  if (dropped == droppedDown_) return;
  droppedDown_ = dropped;
  if (Peer()) Peer()->SetDroppedDown(dropped);
}

void TComboBox::ApplyToPeer() {
  TCustomEdit::ApplyToPeer();
  Peer()->SetDropDownCount(dropDownCount_);
  items_.PushAll();
}

bool TComboBox::KeyDown(Word& key, TShiftState shift) {
  // Enter or Esc closes an open list before the key goes on.
  if (droppedDown_ && (key == VK_RETURN || key == VK_ESCAPE)) SetDroppedDown(false);
  return TCustomEdit::KeyDown(key, shift);
}

bool TComboBox::KeyPress(char ch) { return AutoComplete(ch); }

// The oldest entry that begins with the text typed so far completes it; the
// added rest is highlighted so that the next character replaces it.
bool TComboBox::AutoComplete(char ch) {
  if (ch == '\b' || ch == '\t' || ch == '\x1b' || ch == '\r') return false;
  const AnsiString& text = Text();
  const AnsiString search = (SelLength() > 0 ? text.substr(0, SelStart()) : text) + ch;
  for (int i = 0; i < items_.Count(); ++i) {
    const AnsiString entry = items_.Get(i);
    if (!AnsiStartsText(search, entry)) continue;
    SetItemIndex(i);
    SetText(search + entry.substr(search.size()));
    SetSelection(static_cast<int>(search.size()), static_cast<int>(entry.size() - search.size()));
    return true;
  }
  return false;
}

bool TComboBox::HandlePeerEvent(const platform::PeerEvent& event) {
  switch (event.kind) {
    case platform::PeerEventKind::DropDown:
      droppedDown_ = event.checked;
      return true;
    case platform::PeerEventKind::ItemSelected:
      if (event.index < 0 || event.index >= items_.Count()) return true;
      itemIndex_ = event.index;
      SetText(items_.Get(event.index));
      return true;
    default:
      return TCustomEdit::HandlePeerEvent(event);
  }
}
