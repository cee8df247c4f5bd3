#pragma once
// The editable drop-down box: an entry and an arrow button side by side,
// and a DropDownList under them. Choosing from the list reports
// ItemSelected, opening and closing it DropDown, edits EditChanged.
#include <memory>

#include "platform/Peers.h"
#include "platform/gtk/DropDownList.h"
#include "platform/gtk/EntryMirror.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ComboBoxPeer : public GtkPeer, public IComboBoxPeer {
 public:
  ComboBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  ~ComboBoxPeer() override;

  void SetText(const std::string& text) override { mirror_->SetText(text); }
  void SetSelection(int start, int length) override { mirror_->SetSelection(start, length); }
  void SetDroppedDown(bool dropped) override;
  void SetDropDownCount(int rows) override { dropDown_.SetRows(rows); }
  void SetItems(const IListItems& items) override { dropDown_.List().SetItems(items); }
  void ItemInserted(int index) override { dropDown_.List().Inserted(index); }
  void ItemDeleted(int index) override { dropDown_.List().Deleted(index); }
  // The list shows no ticks: the row is only drawn anew.
  void TickChanged(int index) override { dropDown_.List().Changed(index); }
  void SetItemIndex(int index) override { dropDown_.List().SetHighlight(index); }
  void SetItemHeight(int pixels) override { dropDown_.List().SetRowHeight(pixels); }
  // The list keeps no row of its own per entry, so it takes any number.
  bool CanAddItem(int /*currentCount*/) override { return true; }

 private:
  void OpenByUser();
  void ClosedByUser();

  static gboolean OnArrowButtonPressEvent(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnEntryKeyPressEvent(GtkWidget* widget, GdkEventKey* event, gpointer self);

  GtkWidget* entry_;
  GtkWidget* arrow_;
  std::unique_ptr<EntryMirror> mirror_;
  DropDownList dropDown_;
};

}  // namespace platform::gtk
