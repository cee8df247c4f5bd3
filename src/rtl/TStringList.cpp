#include "rtl/TStringList.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "rtl/Exceptions.h"

int TStringList::Count() const { return static_cast<int>(entries_.size()); }

AnsiString TStringList::Get(int index) const { return AnsiString(View(index)); }

std::string_view TStringList::View(int index) const {
  CheckIndex(index, Count() - 1);
  return entries_[index].text.View();
}

int TStringList::Add(const AnsiString& s) { return AddObject(s, 0); }

int TStringList::AddObject(const AnsiString& s, std::intptr_t object) {
  const int index = sorted_ ? SortedPosition(s, true) : Count();
  entries_.insert(entries_.begin() + index, Entry{CompactString(s), object});
  return index;
}

void TStringList::Insert(int index, const AnsiString& s) {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
  CheckIndex(index, Count());
  entries_.insert(entries_.begin() + index, Entry{CompactString(s), 0});
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  entries_.erase(entries_.begin() + index);
}

void TStringList::DeleteIndices(const std::vector<int>& ascending) {
  if (ascending.empty()) return;
  int previous = -1;
  for (int index : ascending) {
    CheckIndex(index, Count() - 1);
    if (index <= previous) throw EListError("List indices out of order (" + std::to_string(index) + ")");
    previous = index;
  }
  // Each run between two deleted entries moves down over the gap; the
  // deleted entries' text ends up past the kept ones and goes with the tail.
  auto kept = entries_.begin() + ascending.front();
  for (std::size_t i = 0; i < ascending.size(); ++i) {
    const auto runEnd = i + 1 < ascending.size() ? entries_.begin() + ascending[i + 1] : entries_.end();
    kept = std::move(entries_.begin() + ascending[i] + 1, runEnd, kept);
  }
  entries_.erase(kept, entries_.end());
}

void TStringList::Clear() {
  // Hands the memory back too: a cleared list is usually refilled or dropped.
  std::vector<Entry>().swap(entries_);
}

std::intptr_t TStringList::Objects(int index) const {
  CheckIndex(index, Count() - 1);
  return entries_[index].object;
}

void TStringList::SetObject(int index, std::intptr_t object) {
  CheckIndex(index, Count() - 1);
  entries_[index].object = object;
}

int TStringList::IndexOf(const AnsiString& s) const {
  if (sorted_) {
    const int position = SortedPosition(s, false);
    return position < Count() && CompareWith(position, s) == 0 ? position : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (CompareWith(i, s) == 0) return i;
  }
  return -1;
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) Sort();
  sorted_ = sorted;
}

void TStringList::SetCompare(CompareFunction compare) {
  compare_ = std::move(compare);
  if (sorted_) Sort();
}

void TStringList::Reserve(int count) { entries_.reserve(static_cast<std::size_t>(count)); }

std::string_view TStringList::ViewOf(int index, AnsiString& /*scratch*/) const {
  return entries_[index].text.View();
}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TStringList::CompareWith(int index, const AnsiString& s) const {
  const std::string_view text = entries_[index].text.View();
  return compare_ ? compare_(AnsiString(text), s) : text.compare(s);
}

int TStringList::SortedPosition(const AnsiString& s, bool afterEqual) const {
  const int limit = afterEqual ? 1 : 0;
  int low = 0;
  int high = Count();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (CompareWith(middle, s) < limit) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

void TStringList::Sort() {
  std::vector<int> order(entries_.size());
  std::iota(order.begin(), order.end(), 0);
  if (compare_) {
    // The comparison wants whole strings; make each once, not per comparison.
    std::vector<AnsiString> keys;
    keys.reserve(entries_.size());
    for (const Entry& entry : entries_) keys.emplace_back(entry.text.View());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare_(keys[a], keys[b]) < 0; });
  } else {
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return entries_[a].text.View() < entries_[b].text.View(); });
  }
  std::vector<Entry> sorted;
  sorted.reserve(entries_.size());
  for (const int i : order) sorted.push_back(std::move(entries_[i]));
  entries_ = std::move(sorted);
}
