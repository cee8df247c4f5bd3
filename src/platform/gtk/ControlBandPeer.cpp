#include "platform/gtk/ControlBandPeer.h"

#include <algorithm>

#include "platform/gtk/PlacementArea.h"

namespace platform::gtk {

namespace {

constexpr int kGripSpace = 9;  // the grip stands this far left of the band
constexpr int kGripWidth = 7;

void GripLine(cairo_t* cr, double x, int height) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, x, 2, 1, height - 4);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_rectangle(cr, x + 1, 2, 1, height - 4);
  cairo_fill(cr);
}

}  // namespace

ControlBandPeer::ControlBandPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), grip_(GTK_WIDGET(g_object_ref_sink(gtk_event_box_new()))) {
  Adopt(PlacementArea::New());
  ShowFace(Widget());
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(grip_), FALSE);
  gtk_widget_add_events(grip_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_BUTTON1_MOTION_MASK);
  PlacementArea::Place(Bar(), grip_, {});
  gtk_widget_show(grip_);

  g_signal_connect(grip_, "button-press-event", G_CALLBACK(OnButtonPressEvent), this);
  g_signal_connect(grip_, "motion-notify-event", G_CALLBACK(OnMotionNotifyEvent), this);
  g_signal_connect(grip_, "button-release-event", G_CALLBACK(OnButtonReleaseEvent), this);
  g_signal_connect(grip_, "draw", G_CALLBACK(OnDraw), this);
}

ControlBandPeer::~ControlBandPeer() {
  g_signal_handlers_disconnect_by_data(grip_, this);
  if (floating_) {
    // The band goes with its peer, not with the tool window.
    gtk_container_remove(GTK_CONTAINER(gtk_widget_get_parent(Widget())), Widget());
    g_signal_handlers_disconnect_by_data(floating_, this);
    gtk_widget_destroy(floating_);
  }
  gtk_widget_destroy(grip_);
  g_object_unref(grip_);
}

void ControlBandPeer::SetBounds(const Rect& bounds) {
  GtkPeer::SetBounds(bounds);
  docked_ = bounds;
  if (!floating_) Place(Bar(), bounds.left, bounds.top);
}

void ControlBandPeer::SetVisible(bool visible) {
  GtkPeer::SetVisible(visible);
  gtk_widget_set_visible(grip_, visible);
}

void ControlBandPeer::SetCaption(const std::string& caption) {
  title_ = ToGtk(caption);
  if (floating_) gtk_window_set_title(GTK_WINDOW(floating_), title_.c_str());
}

bool ControlBandPeer::PointOnBar(double rootX, double rootY, int& x, int& y) const {
  GtkWidget* bar = Bar();
  GdkWindow* window = gtk_widget_get_window(bar);
  if (!window || !gtk_widget_get_mapped(bar)) return false;
  int originX = 0;
  int originY = 0;
  gdk_window_get_origin(window, &originX, &originY);
  GtkAllocation area;
  gtk_widget_get_allocation(bar, &area);
  x = static_cast<int>(rootX) - originX - area.x;
  y = static_cast<int>(rootY) - originY - area.y;
  return x >= 0 && y >= 0 && x < area.width && y < area.height;
}

void ControlBandPeer::Place(GtkWidget* area, int left, int top) {
  PlacementArea::Place(area, grip_, {left - kGripSpace, top, kGripWidth, docked_.height});
  PlacementArea::Place(area, Widget(), {left, top, docked_.width, docked_.height});
}

void ControlBandPeer::Dock(int left, int top) {
  const int barWidth = gtk_widget_get_allocated_width(Bar());
  docked_.left = std::clamp(left, kGripSpace, std::max(kGripSpace, barWidth - docked_.width));
  docked_.top = top;
  Place(Bar(), docked_.left, docked_.top);
  if (!floating_) return;
  g_signal_handlers_disconnect_by_data(floating_, this);
  gtk_widget_destroy(floating_);
  floating_ = nullptr;
}

void ControlBandPeer::Float(int rootX, int rootY) {
  floating_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(floating_);
  gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_UTILITY);
  gtk_window_set_title(window, title_.c_str());
  gtk_window_set_resizable(window, FALSE);
  gtk_window_set_transient_for(window, GTK_WINDOW(gtk_widget_get_toplevel(Bar())));
  // The area asks for no room: the tool window takes the band's size.
  GtkWidget* content = PlacementArea::New();
  gtk_widget_set_size_request(content, kGripSpace + docked_.width, docked_.height);
  gtk_container_add(GTK_CONTAINER(floating_), content);
  Place(content, kGripSpace, 0);
  gtk_window_move(window, rootX, rootY);
  gtk_widget_show(content);
  gtk_widget_show(floating_);

  g_signal_connect(floating_, "delete-event", G_CALLBACK(OnDeleteEvent), this);
}

gboolean ControlBandPeer::OnButtonPressEvent(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* band = static_cast<ControlBandPeer*>(self);
  if (event->button != 1) return FALSE;
  band->dragging_ = true;
  band->grabX_ = event->x;
  band->grabY_ = event->y;
  return TRUE;
}

gboolean ControlBandPeer::OnMotionNotifyEvent(GtkWidget*, GdkEventMotion* event, gpointer self) {
  auto* band = static_cast<ControlBandPeer*>(self);
  if (!band->dragging_) return FALSE;
  const int left = static_cast<int>(event->x_root - band->grabX_);
  const int top = static_cast<int>(event->y_root - band->grabY_);
  int x = 0;
  int y = 0;
  if (band->floating_)
    gtk_window_move(GTK_WINDOW(band->floating_), left, top);
  else if (band->PointOnBar(event->x_root, event->y_root, x, y))
    band->Dock(x - static_cast<int>(band->grabX_) + kGripSpace, band->docked_.top);
  return TRUE;
}

gboolean ControlBandPeer::OnButtonReleaseEvent(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* band = static_cast<ControlBandPeer*>(self);
  if (event->button != 1 || !band->dragging_) return FALSE;
  band->dragging_ = false;
  int x = 0;
  int y = 0;
  const bool onBar = band->PointOnBar(event->x_root, event->y_root, x, y);
  // Dropped back onto the bar, the band returns to its place there.
  if (band->floating_ && onBar)
    band->Dock(band->docked_.left, band->docked_.top);
  else if (!band->floating_ && !onBar)
    band->Float(static_cast<int>(event->x_root - band->grabX_), static_cast<int>(event->y_root - band->grabY_));
  return TRUE;
}

gboolean ControlBandPeer::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer) {
  const int height = gtk_widget_get_allocated_height(widget);
  GripLine(cr, 1, height);
  GripLine(cr, 4, height);
  return FALSE;
}

gboolean ControlBandPeer::OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer self) {
  // Closing the tool window puts the band back where it stood.
  auto* band = static_cast<ControlBandPeer*>(self);
  band->Dock(band->docked_.left, band->docked_.top);
  return TRUE;
}

}  // namespace platform::gtk
