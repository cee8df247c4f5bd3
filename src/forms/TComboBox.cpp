#include "forms/TComboBox.h"

TComboBox::TComboBox(TComponent* owner) : TCustomEdit(owner), items_(*this) {}

platform::IControlPeer& TComboBox::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateComboBoxPeer(*parent, *this);
  return *peer_;
}

void TComboBox::TextKeepingItems::Clear() {
  const AnsiString text = box_.Text();
  TListControlItems::Clear();
  box_.SetText(text);
}

void TComboBox::SetDroppedDown(bool dropped) {
  if (dropped == droppedDown_) return;
  droppedDown_ = dropped;
  if (peer_) peer_->SetDroppedDown(dropped);
}

void TComboBox::ApplyToPeer() {
  TCustomEdit::ApplyToPeer();
  peer_->SetDropDownCount(dropDownCount_);
  peer_->SetItemHeight(itemHeight_);
  items_.ShowIn(*peer_);
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
  const int index = items_.IndexOfPrefix(search);
  if (index < 0) return false;
  const std::string_view rest = items_.Text(index).substr(search.size());
  AnsiString completed = search;
  completed.append(rest);
  SetItemIndex(index);
  SetText(std::move(completed));
  SetSelection(static_cast<int>(search.size()), static_cast<int>(rest.size()));
  return true;
}

bool TComboBox::HandlePeerEvent(const platform::PeerEvent& event) {
  if (const auto* dropDown = std::get_if<platform::DropDown>(&event)) {
    droppedDown_ = dropDown->open;
    return true;
  }
  const auto* selected = std::get_if<platform::ItemSelected>(&event);
  if (!selected) return TCustomEdit::HandlePeerEvent(event);
  if (selected->index < 0 || selected->index >= items_.Count()) return true;
  items_.NoteItemIndex(selected->index);
  SetText(items_.Get(selected->index));
  return true;
}
