#pragma once
// A list whose entries carry a tick, toggled by a click on the check box or Space.
#include <memory>

#include "forms/TListControlItems.h"
#include "forms/TWinControl.h"

class TCheckListBox : public TWinControl {
 public:
  explicit TCheckListBox(TComponent* owner);

  TListControlItems* Items() { return &items_; }
  bool Checked(int index) const { return items_.Checked(index); }
  void SetChecked(int index, bool checked) { items_.SetChecked(index, checked); }
  int ItemIndex() const { return items_.ItemIndex(); }
  void SetItemIndex(int index) { items_.SetItemIndex(index); }
  bool Sorted() const { return items_.Sorted(); }
  void SetSorted(bool sorted) { items_.SetSorted(sorted); }

  bool KeyDown(Word& key, TShiftState shift) override;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;
  bool HandlePeerEvent(const platform::PeerEvent& event) override;

 private:
  TListControlItems items_;
  static constexpr int itemHeight_ = 13;
  // After the entries: the peer reads them, so it goes first.
  std::unique_ptr<platform::IListPeer> peer_;
};
