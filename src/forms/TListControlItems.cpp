#include "forms/TListControlItems.h"

#include <vector>

#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"

// While a load is under way the peer is told nothing; it gets the whole
// list once at the end.
platform::IListPeer* TListControlItems::MirroringPeer() const { return UpdateCount() == 0 ? peer_ : nullptr; }

int TListControlItems::Add(const AnsiString& s) {
  if (peer_ && !peer_->CanAddItem(Count())) throw EOutOfResources("Unable to insert a line");
  const int index = list_.Add(s);
  if (platform::IListPeer* peer = MirroringPeer()) peer->ItemInserted(index);
  if (itemIndex_ >= index) MoveItemIndex(itemIndex_ + 1);
  return index;
}

void TListControlItems::Delete(int index) {
  list_.Delete(index);
  Deleted(index);
}

void TListControlItems::DeleteTicked() {
  std::vector<int> ticked;
  for (int i = 0; i < Count(); ++i)
    if (Checked(i)) ticked.push_back(i);
  list_.DeleteIndices(ticked);
  for (auto index = ticked.rbegin(); index != ticked.rend(); ++index) Deleted(*index);
}

void TListControlItems::Deleted(int index) {
  if (platform::IListPeer* peer = MirroringPeer()) peer->ItemDeleted(index);
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
  if (platform::IListPeer* peer = MirroringPeer()) peer->TickChanged(index);
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
  if (platform::IListPeer* peer = MirroringPeer()) peer->SetItemIndex(itemIndex_);
}

int TListControlItems::IndexOfPrefix(std::string_view prefix) const {
  for (int i = 0; i < Count(); ++i)
    if (AnsiStartsText(prefix, list_.View(i))) return i;
  return -1;
}

void TListControlItems::SetUpdateState(bool updating) {
  if (!updating && peer_) PushAll();
}

void TListControlItems::Reserve(int count) { list_.Reserve(count); }

// Placed one by one, each line of a sorted list would move the entries after
// it. Added in file order and then sorted stably, every line ends where
// one-by-one placing after its equals puts it, also when a line is refused.
void TListControlItems::AddLoadedLines(const AnsiString& text) {
  const bool sorted = list_.Sorted();
  list_.SetSorted(false);
  try {
    TStrings::AddLoadedLines(text);
  } catch (...) {
    list_.SetSorted(sorted);
    throw;
  }
  list_.SetSorted(sorted);
}

std::string_view TListControlItems::ViewOf(int index, AnsiString& /*scratch*/) const { return list_.View(index); }

void TListControlItems::ShowIn(platform::IListPeer& peer) {
  peer_ = &peer;
  PushAll();
}

void TListControlItems::PushAll() const {
  peer_->SetItems(*this);
  peer_->SetItemIndex(itemIndex_);
}
