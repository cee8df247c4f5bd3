#include "platform/gtk/DropDownList.h"

#include <algorithm>

namespace platform::gtk {

DropDownList::DropDownList(Reports reports)
    : reports_(std::move(reports)),
      list_(false, {}),
      window_(GTK_WIDGET(g_object_ref_sink(gtk_window_new(GTK_WINDOW_POPUP)))) {
  gtk_window_set_type_hint(GTK_WINDOW(window_), GDK_WINDOW_TYPE_HINT_COMBO);
  gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
  gtk_container_add(GTK_CONTAINER(window_), list_.Widget());
  gtk_tree_view_set_hover_selection(list_.View(), TRUE);
  gtk_widget_add_events(window_, GDK_BUTTON_PRESS_MASK);

  g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPressEvent), this);
  g_signal_connect(window_, "button-press-event", G_CALLBACK(OnButtonPressEvent), this);
  g_signal_connect(window_, "grab-broken-event", G_CALLBACK(OnGrabBrokenEvent), this);
  g_signal_connect(list_.View(), "button-release-event", G_CALLBACK(OnButtonReleaseEvent), this);
}

DropDownList::~DropDownList() {
  Close();
  g_signal_handlers_disconnect_by_data(window_, this);
  g_signal_handlers_disconnect_by_data(list_.View(), this);
  gtk_widget_destroy(window_);
  g_object_unref(window_);
}

void DropDownList::Open(GtkWidget* box) {
  if (IsOpen()) return;
  GtkWidget* toplevel = gtk_widget_get_toplevel(box);
  if (GTK_IS_WINDOW(toplevel)) {
    gtk_window_set_transient_for(GTK_WINDOW(window_), GTK_WINDOW(toplevel));
    gtk_window_group_add_window(gtk_window_get_group(GTK_WINDOW(toplevel)), GTK_WINDOW(window_));
  }
  list_.SetShownRows(std::clamp(list_.Count(), 1, std::max(1, rows_)));
  Place(box);
  // Focused before it shows, or the window would focus its first row.
  list_.Focus();
  gtk_widget_show(window_);
  list_.SetHighlight(list_.Highlight());
  Grab();
}

void DropDownList::Place(GtkWidget* box) {
  GtkAllocation under;
  gtk_widget_get_allocation(box, &under);
  int x = 0;
  int y = 0;
  GdkWindow* window = gtk_widget_get_window(box);
  if (window) gdk_window_get_origin(window, &x, &y);
  x += under.x;
  y += under.y;
  gtk_widget_set_size_request(window_, under.width, -1);
  int height = 0;
  gtk_widget_get_preferred_height(window_, nullptr, &height);
  GdkRectangle area{0, 0, 0, 0};
  if (GdkMonitor* monitor = window ? gdk_display_get_monitor_at_window(gdk_window_get_display(window), window)
                                   : nullptr)
    gdk_monitor_get_workarea(monitor, &area);
  const bool roomBelow = y + under.height + height <= area.y + area.height || y - height < area.y;
  gtk_window_move(GTK_WINDOW(window_), x, roomBelow ? y + under.height : y - height);
}

void DropDownList::Grab() {
  GdkSeat* seat = gdk_display_get_default_seat(gtk_widget_get_display(window_));
  if (gdk_seat_grab(seat, gtk_widget_get_window(window_), GDK_SEAT_CAPABILITY_ALL, TRUE, nullptr, nullptr, nullptr,
                    nullptr) == GDK_GRAB_SUCCESS)
    grabbed_ = seat;
  gtk_grab_add(window_);
}

void DropDownList::Close() {
  if (!IsOpen()) return;
  gtk_grab_remove(window_);
  if (grabbed_) gdk_seat_ungrab(grabbed_);
  grabbed_ = nullptr;
  gtk_widget_hide(window_);
}

void DropDownList::CloseByUser() {
  Close();
  if (reports_.closed) reports_.closed();
}

void DropDownList::Choose(int index) {
  Close();
  if (index >= 0 && reports_.chosen) reports_.chosen(index);
  if (reports_.closed) reports_.closed();
}

bool DropDownList::Inside(double rootX, double rootY) const {
  int x = 0;
  int y = 0;
  gtk_window_get_position(GTK_WINDOW(window_), &x, &y);
  return rootX >= x && rootY >= y && rootX < x + gtk_widget_get_allocated_width(window_) &&
         rootY < y + gtk_widget_get_allocated_height(window_);
}

gboolean DropDownList::OnKeyPressEvent(GtkWidget*, GdkEventKey* event, gpointer self) {
  auto* list = static_cast<DropDownList*>(self);
  const bool alt = event->state & GDK_MOD1_MASK;
  switch (event->keyval) {
    case GDK_KEY_Return: case GDK_KEY_KP_Enter: case GDK_KEY_ISO_Enter:
      list->Choose(list->list_.Highlight());
      return TRUE;
    case GDK_KEY_Escape: case GDK_KEY_F4: case GDK_KEY_Tab:
      list->CloseByUser();
      return TRUE;
    case GDK_KEY_Up: case GDK_KEY_Down: case GDK_KEY_KP_Up: case GDK_KEY_KP_Down:
      if (!alt) return FALSE;
      list->CloseByUser();
      return TRUE;
    default:
      return FALSE;
  }
}

// With the pointer grabbed, a press anywhere else comes here.
gboolean DropDownList::OnButtonPressEvent(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* list = static_cast<DropDownList*>(self);
  if (list->Inside(event->x_root, event->y_root)) return FALSE;
  list->CloseByUser();
  return TRUE;
}

gboolean DropDownList::OnButtonReleaseEvent(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* list = static_cast<DropDownList*>(self);
  if (event->button != 1) return FALSE;
  const int index = list->list_.EntryAt(event->x, event->y);
  if (index < 0) return FALSE;
  list->Choose(index);
  return TRUE;
}

gboolean DropDownList::OnGrabBrokenEvent(GtkWidget*, GdkEventGrabBroken*, gpointer self) {
  static_cast<DropDownList*>(self)->CloseByUser();
  return TRUE;
}

}  // namespace platform::gtk
