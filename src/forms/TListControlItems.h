#pragma once
// The entries of a list control (combo box, check-list box): the strings,
// each with its tick, mirrored into the control's peer.
#include <functional>

#include "rtl/TStringList.h"

class TWinControl;

class TListControlItems : public TStrings {
 public:
  explicit TListControlItems(TWinControl& control);

  int Count() const override { return list_.Count(); }
  AnsiString Get(int index) const override { return list_.Get(index); }
  // Refused by the control: EOutOfResources "Unable to insert a line".
  int Add(const AnsiString& s) override;
  void Delete(int index) override;
  void Clear() override;

  bool Checked(int index) const { return list_.Objects(index) != 0; }
  void SetChecked(int index, bool checked);
  bool Sorted() const { return list_.Sorted(); }
  // Re-orders the entries; each keeps its tick.
  void SetSorted(bool sorted);
  void SetCompare(std::function<int(const AnsiString&, const AnsiString&)> compare);

  // Everything to a newly made peer.
  void PushAll() const;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  bool Mirroring() const;

  TStringList list_;
  TWinControl& control_;
};
