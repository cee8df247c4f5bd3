#pragma once
// A list of text lines kept in memory, each with an object slot that travels
// with its entry, optionally kept sorted.
#include <cstdint>
#include <functional>
#include <vector>

#include "rtl/CompactString.h"
#include "rtl/TStrings.h"

class TStringList : public TStrings {
 public:
  // Negative, zero or positive like strcmp.
  using CompareFunction = std::function<int(const AnsiString&, const AnsiString&)>;

  int Count() const override;
  AnsiString Get(int index) const override;
  // The entry's text without a copy, valid until the list changes.
  std::string_view View(int index) const;
  int Add(const AnsiString& s) override;
  int AddObject(const AnsiString& s, std::intptr_t object);
  // Not allowed while sorted.
  void Insert(int index, const AnsiString& s);
  void Delete(int index) override;
  // Removes the entries at these indices, given in ascending order, moving
  // each entry after them once.
  void DeleteIndices(const std::vector<int>& ascending);
  void Clear() override;

  std::intptr_t Objects(int index) const;
  void SetObject(int index, std::intptr_t object);
  int IndexOf(const AnsiString& s) const;  // -1 when absent

  bool Sorted() const { return sorted_; }
  // Switching on sorts stably; from then on Add inserts after equal entries.
  void SetSorted(bool sorted);
  // An empty function means byte order, the default.
  void SetCompare(CompareFunction compare);
  // Room for count entries in all.
  void Reserve(int count) override;

 protected:
  std::string_view ViewOf(int index, AnsiString& scratch) const override;

 private:
  struct Entry {
    CompactString text;
    std::intptr_t object = 0;
  };

  void CheckIndex(int index, int limit) const;
  int CompareWith(int index, const AnsiString& s) const;
  // Where s belongs in the sorted order: after entries equal to it, or
  // before them.
  int SortedPosition(const AnsiString& s, bool afterEqual) const;
  void Sort();

  std::vector<Entry> entries_;
  bool sorted_ = false;
  CompareFunction compare_;
};
