#include "platform/gtk/GtkPeer.h"

#include "platform/gtk/CairoCanvas.h"
#include "platform/gtk/PlacementArea.h"
#include "rtl/CodePage.h"

namespace platform::gtk {

std::string ToGtk(const std::string& ansi) { return AnsiToUtf8(ansi); }

std::string FromGtk(const char* utf8) { return utf8 ? Utf8ToAnsi(utf8) : std::string(); }

GtkPeer::GtkPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : system_(system), parent_(parent), listener_(listener) {}

GtkPeer::~GtkPeer() {
  if (!widget_) return;
  // Our handlers go first: destroying the widget must not report anything.
  g_signal_handlers_disconnect_by_data(widget_, this);
  if (focusWidget_ && focusWidget_ != widget_) g_signal_handlers_disconnect_by_data(focusWidget_, this);
  gtk_widget_destroy(widget_);
  g_object_unref(widget_);
}

void GtkPeer::Adopt(GtkWidget* widget) {
  // Our own reference keeps the widget valid even when a parent goes first.
  widget_ = GTK_WIDGET(g_object_ref_sink(widget));
  if (!parent_) return;  // a window: its activation is its own event
  if (parent_->ChildArea()) PlacementArea::Place(parent_->ChildArea(), widget_, {});
  SetFocusWidget(widget_);
}

void GtkPeer::AdoptDrawingArea(GCallback onDraw, gpointer self) {
  GtkWidget* area = gtk_drawing_area_new();
  Adopt(area);
  g_signal_connect_after(area, "draw", onDraw, self);
}

void GtkPeer::AdoptScrolled(GtkWidget* view) {
  GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scrolled), GTK_SHADOW_IN);
  gtk_container_add(GTK_CONTAINER(scrolled), view);
  gtk_widget_show_all(scrolled);
  Adopt(scrolled);
  SetFocusWidget(view);
}

void GtkPeer::SetFocusWidget(GtkWidget* widget) {
  if (focusWidget_) g_signal_handlers_disconnect_by_func(focusWidget_, (gpointer)OnFocusInEvent, this);
  focusWidget_ = widget;
  g_signal_connect(focusWidget_, "focus-in-event", G_CALLBACK(OnFocusInEvent), this);
}

void GtkPeer::SetBounds(const Rect& bounds) {
  bounds_ = bounds;
  if (parent_ && parent_->ChildArea() && gtk_widget_get_parent(widget_) == parent_->ChildArea())
    PlacementArea::Place(parent_->ChildArea(), widget_, bounds);
}

void GtkPeer::SetVisible(bool visible) { gtk_widget_set_visible(widget_, visible); }

void GtkPeer::SetEnabled(bool enabled) { gtk_widget_set_sensitive(widget_, enabled); }

void GtkPeer::SetFocus() {
  if (focusWidget_) gtk_widget_grab_focus(focusWidget_);
}

void GtkPeer::SetHint(const std::string& hint) {
  gtk_widget_set_tooltip_text(widget_, hint.empty() ? nullptr : ToGtk(hint).c_str());
}

// The pointer changes only over the widget: set as it comes in, cleared as it leaves.
void GtkPeer::SetCursor(Cursor cursor) {
  cursor_ = cursor;
  if (tracksCrossing_) return;
  tracksCrossing_ = true;
  gtk_widget_add_events(widget_, GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);
  g_signal_connect(widget_, "enter-notify-event", G_CALLBACK(OnCrossingEvent), this);
  g_signal_connect(widget_, "leave-notify-event", G_CALLBACK(OnCrossingEvent), this);
}

gboolean GtkPeer::OnCrossingEvent(GtkWidget* widget, GdkEventCrossing* event, gpointer self) {
  const bool hand = event->type == GDK_ENTER_NOTIFY && static_cast<GtkPeer*>(self)->cursor_ == Cursor::HandPoint;
  GdkCursor* cursor = hand ? gdk_cursor_new_from_name(gtk_widget_get_display(widget), "pointer") : nullptr;
  gdk_window_set_cursor(event->window, cursor);
  if (cursor) g_object_unref(cursor);
  return FALSE;
}

void GtkPeer::SetColor(Color color) {
  face_ = color;
  if (faceWidget_) gtk_widget_queue_draw(faceWidget_);
}

void GtkPeer::ShowFace(GtkWidget* widget) {
  faceWidget_ = widget;
  g_signal_connect(widget, "draw", G_CALLBACK(OnFaceDraw), this);
}

void GtkPeer::SetFaceShown(bool shown) {
  faceShown_ = shown;
  if (faceWidget_) gtk_widget_queue_draw(faceWidget_);
}

gboolean GtkPeer::OnFaceDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  const auto* peer = static_cast<GtkPeer*>(self);
  if (peer->faceShown_)
    CairoCanvas(cr).FillRect({0, 0, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget)},
                             peer->face_);
  return FALSE;
}

void GtkPeer::ReportClicks(GtkWidget* widget) {
  g_signal_connect(widget, "button-press-event", G_CALLBACK(OnButtonPressEvent), this);
}

gboolean GtkPeer::OnButtonPressEvent(GtkWidget*, GdkEventButton* event, gpointer self) {
  if (event->button != 1 || event->type != GDK_BUTTON_PRESS) return FALSE;
  static_cast<GtkPeer*>(self)->Report(Click{});
  return TRUE;
}

gboolean GtkPeer::OnFocusInEvent(GtkWidget*, GdkEventFocus*, gpointer self) {
  static_cast<GtkPeer*>(self)->Report(FocusIn{});
  return FALSE;
}

}  // namespace platform::gtk
