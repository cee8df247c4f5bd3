#pragma once
// A list with a check box on each entry, shown by a ListItemsView.
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/ListItemsView.h"

namespace platform::gtk {

class CheckListBoxPeer : public GtkPeer {
 public:
  CheckListBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetBounds(const Rect& bounds) override;
  void SetItems(const IListItems& items) override;
  void ItemInserted(int index) override { list_.Inserted(index); }
  void ItemDeleted(int index) override { list_.Deleted(index); }
  void ItemChecked(int index) override { list_.Changed(index); }
  void SetItemIndex(int index) override { list_.SetHighlight(index); }
  void SetItemHeight(int pixels) override { list_.SetRowHeight(pixels); }
  void SetColor(Color color) override;

 private:
  void ReportToggled(int index);

  ListItemsView list_;
  const IListItems* items_ = nullptr;
  GtkCssProvider* css_;
};

}  // namespace platform::gtk
