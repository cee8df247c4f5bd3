#pragma once
// A list with a check box on each entry: a GtkTreeView over a list of
// (ticked, text) rows in a scrolled window.
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class CheckListBoxPeer : public GtkPeer {
 public:
  CheckListBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  ~CheckListBoxPeer() override;

  void SetItems(const std::vector<std::string>& items) override;
  void InsertItem(int index, const std::string& item) override;
  void DeleteItem(int index) override;
  void SetItemChecked(int index, bool checked) override;
  void SetItemIndex(int index) override;
  void SetColor(Color color) override;

 private:
  bool Row(int index, GtkTreeIter& row) const;

  static void OnToggled(GtkCellRendererToggle* cell, gchar* path, gpointer self);
  static void OnCursorChanged(GtkTreeView* view, gpointer self);

  GtkListStore* store_;
  GtkWidget* view_;
  GtkCssProvider* css_;
  bool updating_ = false;
};

}  // namespace platform::gtk
