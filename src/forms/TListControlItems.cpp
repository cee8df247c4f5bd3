#include "forms/TListControlItems.h"

#include "forms/TWinControl.h"
#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"

TListControlItems::TListControlItems(TWinControl& control) : control_(control) {}

// While a load is under way the peer is told nothing; it gets the whole
// list once at the end.
platform::IControlPeer* TListControlItems::MirroringPeer() const {
  return UpdateCount() == 0 ? control_.Peer() : nullptr;
}

int TListControlItems::Add(const AnsiString& s) {
  if (control_.Peer() && !control_.Peer()->CanAddItem(Count())) throw EOutOfResources("Unable to insert a line");
  const int index = list_.Add(s);
  if (platform::IControlPeer* peer = MirroringPeer()) peer->ItemInserted(index);
  if (itemIndex_ >= index) MoveItemIndex(itemIndex_ + 1);
  return index;
}

void TListControlItems::Delete(int index) {
  list_.Delete(index);
  if (platform::IControlPeer* peer = MirroringPeer()) peer->ItemDeleted(index);
  if (itemIndex_ == index)
    MoveItemIndex(-1);
  else if (itemIndex_ > index)
    MoveItemIndex(itemIndex_ - 1);
}

void TListControlItems::Clear() {
  list_.Clear();
  itemIndex_ = -1;
  if (MirroringPeer()) PushAll();
}

void TListControlItems::SetChecked(int index, bool checked) {
  if (Checked(index) == checked) return;
  list_.SetObject(index, checked ? 1 : 0);
  if (platform::IControlPeer* peer = MirroringPeer()) peer->ItemChecked(index);
}

// The selection keeps its place in the list, not its entry, as a list
// control made anew in sorted order does.
void TListControlItems::SetSorted(bool sorted) {
  if (sorted == list_.Sorted()) return;
  list_.SetSorted(sorted);
  if (MirroringPeer()) PushAll();
}

void TListControlItems::SetCompare(std::function<int(const AnsiString&, const AnsiString&)> compare) {
  list_.SetCompare(std::move(compare));
}

void TListControlItems::SetItemIndex(int index) {
  if (index == itemIndex_) return;
  MoveItemIndex(index);
}

void TListControlItems::NoteItemIndex(int index) { itemIndex_ = index; }

void TListControlItems::MoveItemIndex(int index) {
  itemIndex_ = index;
  if (platform::IControlPeer* peer = MirroringPeer()) peer->SetItemIndex(itemIndex_);
}

int TListControlItems::IndexOfPrefix(std::string_view prefix) const {
  for (int i = 0; i < Count(); ++i)
    if (AnsiStartsText(prefix, list_.View(i))) return i;
  return -1;
}

void TListControlItems::SetUpdateState(bool updating) {
  if (!updating && control_.Peer()) PushAll();
}

void TListControlItems::Reserve(int count) { list_.Reserve(count); }

std::string_view TListControlItems::ViewOf(int index, AnsiString& /*scratch*/) const { return list_.View(index); }

void TListControlItems::PushAll() const {
  platform::IControlPeer* peer = control_.Peer();
  peer->SetItems(*this);
  peer->SetItemIndex(itemIndex_);
}
