#pragma once
// The editable drop-down box: a GtkComboBoxText with an entry. Choosing from
// the list reports ItemSelected, opening and closing it DropDown, edits
// TextChanged.
#include <memory>

#include "platform/gtk/EntryMirror.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ComboBoxPeer : public GtkPeer {
 public:
  ComboBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  void SetText(const std::string& text) override { mirror_->SetText(text); }
  void SetSelection(int start, int length) override { mirror_->SetSelection(start, length); }
  void SetDroppedDown(bool dropped) override;
  void SetItems(const std::vector<std::string>& items) override;
  void InsertItem(int index, const std::string& item) override;
  void DeleteItem(int index) override;
  void SetItemIndex(int index) override;

 private:
  GtkComboBoxText* Combo() const { return GTK_COMBO_BOX_TEXT(Widget()); }
  // Changes the list without reporting and with the edit text left standing.
  void Update(const std::function<void()>& change);

  static void OnChanged(GtkComboBox* combo, gpointer self);
  static void OnNotifyPopupShown(GObject* combo, GParamSpec* property, gpointer self);

  std::unique_ptr<EntryMirror> mirror_;
  bool updating_ = false;
};

}  // namespace platform::gtk
