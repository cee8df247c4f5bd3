#pragma once
// The editable drop-down combo box with auto-completion from its list.
#include "forms/TCustomEdit.h"
#include "forms/TListControlItems.h"

class TComboBox : public TCustomEdit {
 public:
  explicit TComboBox(TComponent* owner);

  TStrings* Items() { return &items_; }
  int ItemIndex() const { return items_.ItemIndex(); }
  void SetItemIndex(int index) { items_.SetItemIndex(index); }
  bool DroppedDown() const { return droppedDown_; }
  void SetDroppedDown(bool dropped);
  int DropDownCount() const { return dropDownCount_; }

  // With the list open, Enter and Esc belong to the box.
  bool WantsDialogKey(Word /*key*/) const override { return droppedDown_; }
  bool KeyDown(Word& key, TShiftState shift) override;
  bool KeyPress(char ch) override;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  platform::IEditPeer* EditPeer() const override { return peer_.get(); }
  void ApplyToPeer() override;
  bool HandlePeerEvent(const platform::PeerEvent& event) override;

 private:
  // Clearing the list keeps the text standing in the edit field.
  class TextKeepingItems : public TListControlItems {
   public:
    explicit TextKeepingItems(TComboBox& box) : box_(box) {}
    void Clear() override;

   private:
    TComboBox& box_;
  };

  bool AutoComplete(char ch);

  TextKeepingItems items_;
  bool droppedDown_ = false;
  static constexpr int dropDownCount_ = 8;
  static constexpr int itemHeight_ = 13;
  // After the entries: the peer reads them, so it goes first.
  std::unique_ptr<platform::IComboBoxPeer> peer_;
};
