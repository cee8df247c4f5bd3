#include "forms/TListControlItems.h"

#include "forms/TWinControl.h"
#include "rtl/Exceptions.h"

TListControlItems::TListControlItems(TWinControl& control) : control_(control) {}

bool TListControlItems::Mirroring() const { return control_.Peer() && UpdateCount() == 0; }

int TListControlItems::Add(const AnsiString& s) {
  if (control_.Peer() && !control_.Peer()->CanAddItem(Count())) throw EOutOfResources("Unable to insert a line");
  const int index = list_.Add(s);
  if (Mirroring()) control_.Peer()->InsertItem(index, s);
  return index;
}

void TListControlItems::Delete(int index) {
  list_.Delete(index);
  if (Mirroring()) control_.Peer()->DeleteItem(index);
}

void TListControlItems::Clear() {
  list_.Clear();
  if (Mirroring()) PushAll();
}

void TListControlItems::SetChecked(int index, bool checked) {
  if (Checked(index) == checked) return;
  list_.SetObject(index, checked ? 1 : 0);
  if (Mirroring()) control_.Peer()->SetItemChecked(index, checked);
}

void TListControlItems::SetSorted(bool sorted) {
  if (sorted == list_.Sorted()) return;
  list_.SetSorted(sorted);
  if (Mirroring()) PushAll();
}

void TListControlItems::SetCompare(std::function<int(const AnsiString&, const AnsiString&)> compare) {
  list_.SetCompare(std::move(compare));
}

void TListControlItems::SetUpdateState(bool updating) {
  if (!updating && control_.Peer()) PushAll();
}

void TListControlItems::PushAll() const {
  std::vector<std::string> texts;
  texts.reserve(list_.Count());
  for (int i = 0; i < list_.Count(); ++i) texts.push_back(list_.Get(i));
  platform::IControlPeer* peer = control_.Peer();
  peer->SetItems(texts);
  for (int i = 0; i < list_.Count(); ++i)
    if (Checked(i)) peer->SetItemChecked(i, true);
}
