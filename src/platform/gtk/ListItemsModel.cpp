#include "platform/gtk/ListItemsModel.h"

#include <algorithm>
#include <string_view>

#include "platform/gtk/ShownText.h"

namespace platform::gtk {

namespace {

struct KalnorListModel {
  GObject parent;
  const IListItems* items;
  int top;    // the entry in row 0
  int rows;   // as GTK was told, which a list under change may not match yet
  int stamp;  // tells this model's iterators from stale ones
};

struct KalnorListModelClass {
  GObjectClass parent;
};

void kalnor_list_model_tree_model_init(GtkTreeModelIface* iface);

G_DEFINE_TYPE_WITH_CODE(KalnorListModel, kalnor_list_model, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(GTK_TYPE_TREE_MODEL, kalnor_list_model_tree_model_init))

KalnorListModel* Of(GtkTreeModel* model) { return reinterpret_cast<KalnorListModel*>(model); }

void kalnor_list_model_init(KalnorListModel* self) {
  self->items = nullptr;
  self->top = 0;
  self->rows = 0;
  self->stamp = 1;
}

void kalnor_list_model_class_init(KalnorListModelClass*) {}

// The entry shown in the row, while the class library still has it; else -1.
int EntryOf(const KalnorListModel* self, int row) {
  const int index = self->top + row;
  return self->items && row >= 0 && row < self->rows && index < self->items->Count() ? index : -1;
}

bool SetIter(const KalnorListModel* self, GtkTreeIter* iter, int row) {
  if (row < 0 || row >= self->rows) {
    iter->stamp = 0;
    return false;
  }
  iter->stamp = self->stamp;
  iter->user_data = GINT_TO_POINTER(row);
  return true;
}

// The row of one of this model's iterators; -1 for one from before a change.
int RowOf(const KalnorListModel* self, const GtkTreeIter* iter) {
  return iter->stamp == self->stamp ? GPOINTER_TO_INT(iter->user_data) : -1;
}

gboolean Step(GtkTreeModel* model, GtkTreeIter* iter, int rows) {
  const int row = RowOf(Of(model), iter);
  return SetIter(Of(model), iter, row < 0 ? -1 : row + rows);
}

GtkTreeModelFlags GetFlags(GtkTreeModel*) { return GTK_TREE_MODEL_LIST_ONLY; }

gint GetNColumns(GtkTreeModel*) { return ListItemsModel::kColumns; }

GType GetColumnType(GtkTreeModel*, gint column) {
  return column == ListItemsModel::kChecked ? G_TYPE_BOOLEAN : G_TYPE_STRING;
}

gboolean GetIter(GtkTreeModel* model, GtkTreeIter* iter, GtkTreePath* path) {
  if (gtk_tree_path_get_depth(path) != 1) return FALSE;
  return SetIter(Of(model), iter, gtk_tree_path_get_indices(path)[0]);
}

GtkTreePath* GetPath(GtkTreeModel* model, GtkTreeIter* iter) {
  const int row = RowOf(Of(model), iter);
  return row < 0 ? nullptr : gtk_tree_path_new_from_indices(row, -1);
}

void GetValue(GtkTreeModel* model, GtkTreeIter* iter, gint column, GValue* value) {
  const KalnorListModel* self = Of(model);
  const int index = EntryOf(self, RowOf(self, iter));
  if (column == ListItemsModel::kChecked) {
    g_value_init(value, G_TYPE_BOOLEAN);
    g_value_set_boolean(value, index >= 0 && self->items->Checked(index));
    return;
  }
  g_value_init(value, G_TYPE_STRING);
  if (index < 0) return;
  g_value_set_string(value, ShownText(self->items->Text(index), kShownInRow).c_str());
}

gboolean IterNext(GtkTreeModel* model, GtkTreeIter* iter) { return Step(model, iter, 1); }

gboolean IterPrevious(GtkTreeModel* model, GtkTreeIter* iter) { return Step(model, iter, -1); }

gboolean IterNthChild(GtkTreeModel* model, GtkTreeIter* iter, GtkTreeIter* parent, gint n) {
  if (parent) return FALSE;
  return SetIter(Of(model), iter, n);
}

gboolean IterChildren(GtkTreeModel* model, GtkTreeIter* iter, GtkTreeIter* parent) {
  return IterNthChild(model, iter, parent, 0);
}

gboolean IterHasChild(GtkTreeModel*, GtkTreeIter*) { return FALSE; }

gint IterNChildren(GtkTreeModel* model, GtkTreeIter* iter) { return iter ? 0 : Of(model)->rows; }

gboolean IterParent(GtkTreeModel*, GtkTreeIter*, GtkTreeIter*) { return FALSE; }

void kalnor_list_model_tree_model_init(GtkTreeModelIface* iface) {
  iface->get_flags = GetFlags;
  iface->get_n_columns = GetNColumns;
  iface->get_column_type = GetColumnType;
  iface->get_iter = GetIter;
  iface->get_path = GetPath;
  iface->get_value = GetValue;
  iface->iter_next = IterNext;
  iface->iter_previous = IterPrevious;
  iface->iter_children = IterChildren;
  iface->iter_has_child = IterHasChild;
  iface->iter_n_children = IterNChildren;
  iface->iter_nth_child = IterNthChild;
  iface->iter_parent = IterParent;
}

// Calls report(model, path, iter) for the row.
template <typename Report>
void ReportRow(GtkTreeModel* model, int row, Report report) {
  GtkTreeIter iter;
  SetIter(Of(model), &iter, row);
  GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
  report(model, path, &iter);
  gtk_tree_path_free(path);
}

}  // namespace

ListItemsModel::ListItemsModel() : model_(GTK_TREE_MODEL(g_object_new(kalnor_list_model_get_type(), nullptr))) {}

ListItemsModel::~ListItemsModel() { g_object_unref(model_); }

void ListItemsModel::SetItems(const IListItems& items) { Of(model_)->items = &items; }

int ListItemsModel::Top() const { return Of(model_)->top; }

int ListItemsModel::Rows() const { return Of(model_)->rows; }

// Rows that stay are reported changed, then the rows that go are reported
// from the last, or the rows that come from the first.
void ListItemsModel::Show(int top, int rows) {
  KalnorListModel* self = Of(model_);
  const int before = self->rows;
  self->top = top;
  ++self->stamp;
  for (int row = 0; row < std::min(before, rows); ++row) ReportRow(model_, row, gtk_tree_model_row_changed);
  while (self->rows > rows) {
    --self->rows;
    GtkTreePath* path = gtk_tree_path_new_from_indices(self->rows, -1);
    gtk_tree_model_row_deleted(model_, path);
    gtk_tree_path_free(path);
  }
  while (self->rows < rows) {
    ++self->rows;
    ReportRow(model_, self->rows - 1, gtk_tree_model_row_inserted);
  }
}

void ListItemsModel::Changed(int index) {
  const int row = index - Top();
  if (row >= 0 && row < Rows()) ReportRow(model_, row, gtk_tree_model_row_changed);
}

}  // namespace platform::gtk
