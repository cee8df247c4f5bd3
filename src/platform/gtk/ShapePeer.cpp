#include "platform/gtk/ShapePeer.h"

#include <algorithm>

#include "platform/gtk/CairoCanvas.h"

namespace platform::gtk {

ShapePeer::ShapePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  AdoptDrawingArea(G_CALLBACK(OnDraw), this);
}

void ShapePeer::SetShape(ShapeKind kind, Color brush, Color pen) {
  kind_ = kind;
  brush_ = brush;
  pen_ = pen;
  gtk_widget_queue_draw(Widget());
}

gboolean ShapePeer::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  auto* shape = static_cast<ShapePeer*>(self);
  const double width = gtk_widget_get_allocated_width(widget);
  const double height = gtk_widget_get_allocated_height(widget);
  // The one-pixel pen runs along the inside of the shape's edge.
  if (shape->kind_ == ShapeKind::Circle) {
    const double diameter = std::min(width, height);
    cairo_arc(cr, width / 2, diameter / 2, (diameter - 1) / 2, 0, 2 * G_PI);
  } else {
    cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
  }
  UseColor(cr, shape->brush_);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1);
  UseColor(cr, shape->pen_);
  cairo_stroke(cr);
  return FALSE;
}

}  // namespace platform::gtk
