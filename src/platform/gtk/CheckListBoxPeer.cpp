#include "platform/gtk/CheckListBoxPeer.h"

#include <cstdio>
#include <cstdlib>

namespace platform::gtk {

namespace {

enum Column { kChecked, kText };

}  // namespace

CheckListBoxPeer::CheckListBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener),
      store_(gtk_list_store_new(2, G_TYPE_BOOLEAN, G_TYPE_STRING)),
      view_(gtk_tree_view_new_with_model(GTK_TREE_MODEL(store_))),
      css_(gtk_css_provider_new()) {
  gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(view_), FALSE);
  GtkCellRenderer* toggle = gtk_cell_renderer_toggle_new();
  gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(view_), -1, "", toggle, "active", kChecked, nullptr);
  gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(view_), -1, "", gtk_cell_renderer_text_new(), "text",
                                              kText, nullptr);
  gtk_style_context_add_provider(gtk_widget_get_style_context(view_), GTK_STYLE_PROVIDER(css_),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  AdoptScrolled(view_);

  g_signal_connect(toggle, "toggled", G_CALLBACK(OnToggled), this);
  g_signal_connect(view_, "cursor-changed", G_CALLBACK(OnCursorChanged), this);
}

CheckListBoxPeer::~CheckListBoxPeer() {
  g_signal_handlers_disconnect_by_data(view_, this);
  g_object_unref(store_);
  g_object_unref(css_);
}

bool CheckListBoxPeer::Row(int index, GtkTreeIter& row) const {
  return index >= 0 && gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(store_), &row, nullptr, index);
}

void CheckListBoxPeer::SetItems(const std::vector<std::string>& items) {
  updating_ = true;
  gtk_list_store_clear(store_);
  for (const std::string& item : items)
    gtk_list_store_insert_with_values(store_, nullptr, -1, kChecked, FALSE, kText, ToGtk(item).c_str(), -1);
  updating_ = false;
}

void CheckListBoxPeer::InsertItem(int index, const std::string& item) {
  updating_ = true;
  gtk_list_store_insert_with_values(store_, nullptr, index, kChecked, FALSE, kText, ToGtk(item).c_str(), -1);
  updating_ = false;
}

void CheckListBoxPeer::DeleteItem(int index) {
  GtkTreeIter row;
  if (!Row(index, row)) return;
  updating_ = true;
  gtk_list_store_remove(store_, &row);
  updating_ = false;
}

void CheckListBoxPeer::SetItemChecked(int index, bool checked) {
  GtkTreeIter row;
  if (Row(index, row)) gtk_list_store_set(store_, &row, kChecked, checked, -1);
}

void CheckListBoxPeer::SetItemIndex(int index) {
  updating_ = true;
  GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(view_));
  if (GtkTreeIter row; Row(index, row)) {
    GtkTreePath* path = gtk_tree_model_get_path(GTK_TREE_MODEL(store_), &row);
    gtk_tree_view_set_cursor(GTK_TREE_VIEW(view_), path, nullptr, FALSE);
    gtk_tree_path_free(path);
  } else {
    gtk_tree_selection_unselect_all(selection);
  }
  updating_ = false;
}

void CheckListBoxPeer::SetColor(Color color) {
  char css[96];
  std::snprintf(css, sizeof css, "treeview.view:not(:selected) { background-color: #%02x%02x%02x; }",
                color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  gtk_css_provider_load_from_data(css_, css, -1, nullptr);
}

void CheckListBoxPeer::OnToggled(GtkCellRendererToggle*, gchar* path, gpointer self) {
  auto* peer = static_cast<CheckListBoxPeer*>(self);
  GtkTreeIter row;
  if (!gtk_tree_model_get_iter_from_string(GTK_TREE_MODEL(peer->store_), &row, path)) return;
  gboolean ticked = FALSE;
  gtk_tree_model_get(GTK_TREE_MODEL(peer->store_), &row, kChecked, &ticked, -1);
  // The tick itself changes when the class library says so.
  PeerEvent checked{PeerEventKind::ItemChecked};
  checked.index = std::atoi(path);
  checked.checked = !ticked;
  peer->Report(checked);
}

void CheckListBoxPeer::OnCursorChanged(GtkTreeView* view, gpointer self) {
  auto* peer = static_cast<CheckListBoxPeer*>(self);
  if (peer->updating_) return;
  GtkTreePath* path = nullptr;
  gtk_tree_view_get_cursor(view, &path, nullptr);
  if (!path) return;
  PeerEvent selected{PeerEventKind::ItemSelected};
  selected.index = gtk_tree_path_get_indices(path)[0];
  gtk_tree_path_free(path);
  peer->Report(selected);
}

}  // namespace platform::gtk
