#include "platform/gtk/TabControlPeer.h"

#include "platform/TabRow.h"
#include "platform/gtk/PlacementArea.h"

namespace platform::gtk {

namespace {

constexpr int kTabPadding = 6;  // beside the text
constexpr int kTabInset = 2;    // from the control's top and left edges to the first tab

void Line(cairo_t* cr, double gray, double x0, double y0, double x1, double y1) {
  cairo_set_source_rgb(cr, gray, gray, gray);
  cairo_move_to(cr, x0 + 0.5, y0 + 0.5);
  cairo_line_to(cr, x1 + 0.5, y1 + 0.5);
  cairo_stroke(cr);
}

// A raised box: light on the top and left, dark on the right and bottom.
void Raised(cairo_t* cr, int left, int top, int right, int bottom, bool openBottom) {
  Line(cr, 1.0, left, bottom, left, top);
  Line(cr, 1.0, left, top, right, top);
  Line(cr, 0.4, right, top, right, bottom);
  if (!openBottom) Line(cr, 0.4, right, bottom, left, bottom);
}

}  // namespace

TabControlPeer::TabControlPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  GtkWidget* area = PlacementArea::New();
  Adopt(area);
  ShowFace(area);

  g_signal_connect(area, "draw", G_CALLBACK(OnDraw), this);
}

void TabControlPeer::SetTabs(const std::vector<std::string>& tabs) {
  tabs_.clear();
  for (const std::string& tab : tabs) tabs_.push_back(ToGtk(tab));
  gtk_widget_queue_draw(Widget());
}

gboolean TabControlPeer::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  const auto& tabs = static_cast<TabControlPeer*>(self)->tabs_;
  const int width = gtk_widget_get_allocated_width(widget);
  const int height = gtk_widget_get_allocated_height(widget);
  cairo_set_line_width(cr, 1);
  Raised(cr, 0, kTabRowHeight, width - 1, height - 1, false);
  int left = kTabInset;
  for (const std::string& tab : tabs) {
    PangoLayout* layout = gtk_widget_create_pango_layout(widget, tab.c_str());
    int textWidth = 0;
    int textHeight = 0;
    pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
    const int right = left + textWidth + 2 * kTabPadding;
    Raised(cr, left, kTabInset, right, kTabRowHeight, true);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_move_to(cr, left + kTabPadding, kTabInset + (kTabRowHeight - kTabInset - textHeight) / 2);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    left = right + 1;
  }
  return FALSE;
}

}  // namespace platform::gtk
