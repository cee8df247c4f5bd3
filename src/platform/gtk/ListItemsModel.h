#pragma once
// A GtkTreeModel over the rows of a list control's entries that are on
// screen, read where the class library keeps them. A row's text becomes
// UTF-8 only when GTK asks for it, and only as much as a row can show. GTK
// thus holds nothing per entry, however long the list or an entry. Columns:
// the tick, the text.
#include <gtk/gtk.h>

#include "platform/ListItems.h"

namespace platform::gtk {

class ListItemsModel {
 public:
  enum Column { kChecked, kText, kColumns };

  ListItemsModel();
  ~ListItemsModel();
  ListItemsModel(const ListItemsModel&) = delete;
  ListItemsModel& operator=(const ListItemsModel&) = delete;

  GtkTreeModel* Model() const { return model_; }
  // The entries shown; the window is then to be placed anew.
  void SetItems(const IListItems& items);
  // Row 0 shows entry top; rows entries are shown. Views hear of every row
  // that changed, came or went.
  void Show(int top, int rows);
  // The entry's row changed, if it is shown.
  void Changed(int index);
  int Top() const;
  int Rows() const;

 private:
  GtkTreeModel* model_;
};

}  // namespace platform::gtk
