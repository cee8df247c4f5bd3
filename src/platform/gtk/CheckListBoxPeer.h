#pragma once
// A list with a check box on each entry, shown by a ListItemsView.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/ListItemsView.h"
#include "platform/gtk/WidgetStyle.h"

namespace platform::gtk {

class CheckListBoxPeer : public GtkPeer, public IListPeer {
 public:
  CheckListBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetBounds(const Rect& bounds) override;
  void SetItems(const IListItems& items) override { list_.SetItems(items); }
  void ItemInserted(int index) override { list_.Inserted(index); }
  void ItemDeleted(int index) override { list_.Deleted(index); }
  void TickChanged(int index) override { list_.Changed(index); }
  void SetItemIndex(int index) override { list_.SetHighlight(index); }
  void SetItemHeight(int pixels) override { list_.SetRowHeight(pixels); }
  // The list keeps no row of its own per entry, so it takes any number.
  bool CanAddItem(int /*currentCount*/) override { return true; }
  void SetColor(Color color) override;

 private:
  void ReportToggled(int index);

  ListItemsView list_;
  WidgetStyle style_;
};

}  // namespace platform::gtk
