#pragma once
// The entries of a list control (combo box, check-list box): the strings,
// each with its tick, and the selected entry. The control's peer reads them
// in place and is told of every change, one entry at a time.
#include <functional>
#include <string_view>

#include "platform/ListItems.h"
#include "platform/Peers.h"
#include "rtl/TStringList.h"

class TListControlItems : public TStrings, public platform::IListItems {
 public:
  int Count() const override { return list_.Count(); }
  AnsiString Get(int index) const override { return list_.Get(index); }
  std::string_view Text(int index) const override { return list_.View(index); }
  // Refused by the control: EOutOfResources "Unable to insert a line".
  int Add(const AnsiString& s) override;
  void Delete(int index) override;
  // Removes every ticked entry and reports it as deleting them one by one
  // from the last would, but moves the rest of the list only once.
  void DeleteTicked();
  void Clear() override;

  bool Checked(int index) const override { return list_.Objects(index) != 0; }
  void SetChecked(int index, bool checked);
  bool Sorted() const { return list_.Sorted(); }
  // Re-orders the entries; each keeps its tick.
  void SetSorted(bool sorted);
  void SetCompare(std::function<int(const AnsiString&, const AnsiString&)> compare);

  // The selected entry, -1 for none. It stays with its entry while others
  // come and go, and is gone with it.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The user selected the entry in the peer, which shows it already.
  void NoteItemIndex(int index);

  // The first entry, in list order, that begins with prefix regardless of
  // case; -1 when none does.
  int IndexOfPrefix(std::string_view prefix) const;

  // Shows the entries in the control's newly made peer, which from then on
  // is told of every change.
  void ShowIn(platform::IListPeer& peer);

 protected:
  void SetUpdateState(bool updating) override;
  void Reserve(int count) override;
  void AddLoadedLines(const AnsiString& text) override;
  std::string_view ViewOf(int index, AnsiString& scratch) const override;

 private:
  platform::IListPeer* MirroringPeer() const;
  // The entry at index is gone: the peer hears of it and the selection follows.
  void Deleted(int index);
  void MoveItemIndex(int index);
  // Everything to the peer.
  void PushAll() const;

  TStringList list_;
  platform::IListPeer* peer_ = nullptr;
  int itemIndex_ = -1;
};
