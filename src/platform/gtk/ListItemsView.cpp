#include "platform/gtk/ListItemsView.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform::gtk {

namespace {

constexpr int kWheelRows = 3;     // rows one notch of the wheel scrolls
constexpr int kTickColumnWidth = 16;

// GTK pads each row by the separator and makes it at least as high as an
// expander, which it draws 4 pixels larger than its size.
constexpr int kExpanderPadding = 4;

// Rows exactly as high as their cells, with a check box that fits.
std::string RowStyle(int rowHeight) {
  const int box = std::max(1, rowHeight - 2);
  return "treeview { -GtkTreeView-vertical-separator: 0; -GtkTreeView-expander-size: " +
         std::to_string(std::max(0, rowHeight - kExpanderPadding)) + "; }" +
         "treeview check { min-width: " + std::to_string(box) + "px; min-height: " + std::to_string(box) +
         "px; padding: 0; margin: 0; }";
}

GtkTreeViewColumn* FixedColumn(GtkCellRenderer* cell, const char* attribute, int column) {
  GtkTreeViewColumn* result = gtk_tree_view_column_new_with_attributes("", cell, attribute, column, nullptr);
  gtk_tree_view_column_set_sizing(result, GTK_TREE_VIEW_COLUMN_FIXED);
  return result;
}

}  // namespace

ListItemsView::ListItemsView(bool ticks, Reports reports)
    : reports_(std::move(reports)),
      frame_(GTK_WIDGET(g_object_ref_sink(gtk_frame_new(nullptr)))),
      view_(GTK_WIDGET(g_object_ref_sink(gtk_tree_view_new_with_model(model_.Model())))),
      adjustment_(GTK_ADJUSTMENT(g_object_ref_sink(gtk_adjustment_new(0, 0, 0, 1, 1, 1)))),
      text_(gtk_cell_renderer_text_new()),
      style_(view_) {
  GtkTreeView* view = View();
  gtk_tree_view_set_headers_visible(view, FALSE);
  gtk_tree_view_set_enable_search(view, FALSE);
  if (ticks) {
    toggle_ = GTK_CELL_RENDERER(g_object_ref_sink(gtk_cell_renderer_toggle_new()));
    GtkTreeViewColumn* tick = FixedColumn(toggle_, "active", ListItemsModel::kChecked);
    gtk_tree_view_column_set_fixed_width(tick, kTickColumnWidth);
    gtk_tree_view_append_column(view, tick);
    g_signal_connect(toggle_, "toggled", G_CALLBACK(OnToggled), this);
  }
  GtkTreeViewColumn* text = FixedColumn(text_, "text", ListItemsModel::kText);
  gtk_tree_view_column_set_fixed_width(text, 1);  // takes what the ticks leave
  gtk_tree_view_column_set_expand(text, TRUE);
  gtk_tree_view_append_column(view, text);
  gtk_tree_view_set_fixed_height_mode(view, TRUE);

  scrollbar_ = gtk_scrollbar_new(GTK_ORIENTATION_VERTICAL, adjustment_);
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
  gtk_box_pack_start(GTK_BOX(box), view_, TRUE, TRUE, 0);
  gtk_box_pack_end(GTK_BOX(box), scrollbar_, FALSE, FALSE, 0);
  gtk_frame_set_shadow_type(GTK_FRAME(frame_), GTK_SHADOW_IN);
  atk_object_set_role(gtk_widget_get_accessible(frame_), ATK_ROLE_SCROLL_PANE);
  gtk_container_add(GTK_CONTAINER(frame_), box);
  gtk_widget_show_all(frame_);
  gtk_widget_hide(scrollbar_);
  gtk_widget_add_events(view_, GDK_SCROLL_MASK | GDK_SMOOTH_SCROLL_MASK);
  SetRowHeight(13);

  g_signal_connect(view_, "key-press-event", G_CALLBACK(OnKeyPressEvent), this);
  g_signal_connect(view_, "scroll-event", G_CALLBACK(OnScrollEvent), this);
  g_signal_connect(view_, "cursor-changed", G_CALLBACK(OnCursorChanged), this);
  g_signal_connect(view_, "size-allocate", G_CALLBACK(OnSizeAllocate), this);
  g_signal_connect(adjustment_, "value-changed", G_CALLBACK(OnValueChanged), this);
  g_signal_connect(frame_, "map", G_CALLBACK(OnFrameMap), this);
}

ListItemsView::~ListItemsView() {
  if (pendingFit_) g_source_remove(pendingFit_);
  g_signal_handlers_disconnect_by_data(view_, this);
  g_signal_handlers_disconnect_by_data(frame_, this);
  g_signal_handlers_disconnect_by_data(adjustment_, this);
  if (toggle_) g_signal_handlers_disconnect_by_data(toggle_, this);
  // Whoever placed the frame destroys it; these references only kept the
  // widgets until their handlers were gone.
  if (toggle_) g_object_unref(toggle_);
  g_object_unref(view_);
  g_object_unref(frame_);
  g_object_unref(adjustment_);
}

void ListItemsView::SetRowHeight(int pixels) {
  if (pixels == rowHeight_) return;
  rowHeight_ = pixels;
  for (GtkCellRenderer* cell : {toggle_, text_}) {
    if (!cell) continue;
    gtk_cell_renderer_set_padding(cell, 0, 0);
    gtk_cell_renderer_set_fixed_size(cell, -1, pixels);
  }
  style_.Load(RowStyle(pixels));
  gtk_widget_queue_resize(view_);
}

void ListItemsView::SetShownRows(int rows) {
  gtk_widget_set_size_request(view_, -1, rows * rowHeight_);
  SetVisibleRows(rows);
}

// Known before GTK lays the frame out, so the rows are right when it first
// draws. Measuring the frame has GTK work out the styles of all its parts,
// which a list not on the screen, like the hidden history panel's at start,
// leaves until it comes on.
void ListItemsView::SetOuterHeight(int height) {
  outerHeight_ = height;
  if (gtk_widget_get_mapped(frame_)) FitOuterHeight();
}

void ListItemsView::FitOuterHeight() {
  int frame = 0;
  int inside = 0;
  gtk_widget_get_preferred_height(frame_, &frame, nullptr);
  gtk_widget_get_preferred_height(gtk_bin_get_child(GTK_BIN(frame_)), &inside, nullptr);
  SetVisibleRows((outerHeight_ - (frame - inside)) / rowHeight_);
}

void ListItemsView::SetVisibleRows(int rows) {
  rows = std::max(1, rows);
  if (rows == visible_) return;
  visible_ = rows;
  Place();
}

void ListItemsView::SetItems(const IListItems& items) {
  items_ = &items;
  model_.SetItems(items);
  top_ = 0;
  Place();
}

// The window keeps its first row where it was, as a list box does.
void ListItemsView::Inserted(int /*index*/) { Place(); }

void ListItemsView::Deleted(int /*index*/) { Place(); }

void ListItemsView::SetHighlight(int index) {
  highlight_ = index;
  const int top = top_;
  if (index >= 0) ScrollIntoView(index);
  if (top_ != top) return Place();
  placing_ = true;
  ShowHighlight();
  placing_ = false;
}

// GTK puts its cursor on the first row of a view that takes the focus
// without one.
void ListItemsView::Focus() {
  placing_ = true;
  gtk_widget_grab_focus(view_);
  placing_ = false;
  Place();
}

int ListItemsView::EntryAt(double x, double y) const {
  GtkTreePath* path = nullptr;
  if (!gtk_tree_view_get_path_at_pos(View(), static_cast<int>(x), static_cast<int>(y), &path, nullptr, nullptr,
                                     nullptr))
    return -1;
  const int index = EntryOfRow(gtk_tree_path_get_indices(path)[0]);
  gtk_tree_path_free(path);
  return index;
}

int ListItemsView::EntryOfRow(int row) const {
  const int index = top_ + row;
  return index < Count() ? index : -1;
}

void ListItemsView::ScrollTo(int top) {
  top_ = top;
  Place();
}

void ListItemsView::ScrollIntoView(int index) {
  if (index < top_) top_ = index;
  if (index >= top_ + visible_) top_ = index - visible_ + 1;
}

void ListItemsView::Place() {
  const int count = Count();
  top_ = std::clamp(top_, 0, std::max(0, count - visible_));
  // A list not shown yet, like the drop-down's and the hidden history
  // panel's at start, gets its rows when it first comes on the screen.
  if (!shown_) return;
  placing_ = true;
  const int rows = std::min(visible_, count - top_);
  // GTK sizes the view's background by its rows only when laid out anew.
  if (rows != model_.Rows()) gtk_widget_queue_resize(view_);
  model_.Show(top_, rows);
  gtk_adjustment_configure(adjustment_, top_, 0, count, 1, std::max(1, visible_ - 1), visible_);
  gtk_widget_set_visible(scrollbar_, count > visible_);
  ShowHighlight();
  placing_ = false;
}

void ListItemsView::ShowHighlight() {
  const int row = highlight_ - top_;
  if (highlight_ < 0 || row >= model_.Rows()) {
    gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(View()));
    return;
  }
  GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
  gtk_tree_view_set_cursor(View(), path, nullptr, FALSE);
  gtk_tree_path_free(path);
}

void ListItemsView::MoveHighlight(int index) {
  SetHighlight(index);
  if (reports_.highlighted) reports_.highlighted(index);
}

// The keys a list box moves its highlight with; the highlight may lie
// outside the rows shown, so GTK's own cursor keys cannot serve. Space and
// Enter are the class library's: GTK would tick the row its cursor is on.
gboolean ListItemsView::OnKeyPressEvent(GtkWidget*, GdkEventKey* event, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return FALSE;
  const int count = list->Count();
  const int from = list->highlight_ < 0 ? list->top_ : list->highlight_;
  const int page = std::max(1, list->visible_ - 1);
  int to = 0;
  switch (event->keyval) {
    case GDK_KEY_Up: case GDK_KEY_KP_Up: to = list->highlight_ < 0 ? from : from - 1; break;
    case GDK_KEY_Down: case GDK_KEY_KP_Down: to = list->highlight_ < 0 ? from : from + 1; break;
    case GDK_KEY_Page_Up: case GDK_KEY_KP_Page_Up: to = from - page; break;
    case GDK_KEY_Page_Down: case GDK_KEY_KP_Page_Down: to = from + page; break;
    case GDK_KEY_Home: case GDK_KEY_KP_Home: to = 0; break;
    case GDK_KEY_End: case GDK_KEY_KP_End: to = count - 1; break;
    case GDK_KEY_space: case GDK_KEY_Return: case GDK_KEY_KP_Enter: return TRUE;
    default: return FALSE;
  }
  if (count > 0) list->MoveHighlight(std::clamp(to, 0, count - 1));
  return TRUE;
}

gboolean ListItemsView::OnScrollEvent(GtkWidget*, GdkEventScroll* event, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  double rows = 0;
  switch (event->direction) {
    case GDK_SCROLL_UP: rows = -kWheelRows; break;
    case GDK_SCROLL_DOWN: rows = kWheelRows; break;
    case GDK_SCROLL_SMOOTH: rows = event->delta_y * kWheelRows; break;
    default: return FALSE;
  }
  rows += list->scrollRest_;
  const double whole = std::trunc(rows);
  list->scrollRest_ = rows - whole;
  if (whole != 0) list->ScrollTo(list->top_ + static_cast<int>(whole));
  return TRUE;
}

void ListItemsView::OnCursorChanged(GtkTreeView* view, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  if (list->placing_) return;
  GtkTreePath* path = nullptr;
  gtk_tree_view_get_cursor(view, &path, nullptr);
  if (!path) return;
  const int index = list->EntryOfRow(gtk_tree_path_get_indices(path)[0]);
  gtk_tree_path_free(path);
  if (index < 0 || index == list->highlight_) return;
  // GTK shows it already, and is still handling the click that moved it.
  list->highlight_ = index;
  if (list->reports_.highlighted) list->reports_.highlighted(index);
}

void ListItemsView::OnToggled(GtkCellRendererToggle*, gchar* path, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  const int index = list->EntryOfRow(std::atoi(path));
  if (index >= 0 && list->reports_.toggled) list->reports_.toggled(index);
}

// Rows change only after GTK has laid the view out: a change within its
// layout would be drawn half applied.
void ListItemsView::OnSizeAllocate(GtkWidget*, GdkRectangle* allocation, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  list->allocatedRows_ = std::max(1, allocation->height / list->rowHeight_);
  if (list->allocatedRows_ != list->visible_ && !list->pendingFit_)
    list->pendingFit_ = g_idle_add_full(G_PRIORITY_HIGH_IDLE, OnFitAllocation, list, nullptr);
}

gboolean ListItemsView::OnFitAllocation(gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  list->pendingFit_ = 0;
  list->SetVisibleRows(list->allocatedRows_);
  return G_SOURCE_REMOVE;
}

// Mapped before GTK lays it out and draws it.
void ListItemsView::OnFrameMap(GtkWidget*, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  // Rows fitted first, so that the list is filled once, below.
  if (list->outerHeight_ >= 0) list->FitOuterHeight();
  list->shown_ = true;
  list->Place();
}

void ListItemsView::OnValueChanged(GtkAdjustment* adjustment, gpointer self) {
  auto* list = static_cast<ListItemsView*>(self);
  if (!list->placing_) list->ScrollTo(static_cast<int>(std::lround(gtk_adjustment_get_value(adjustment))));
}

}  // namespace platform::gtk
