#pragma once
// A drawn shape: a rectangle filling its box, or a circle as tall as the box,
// centred across it; filled with the brush, outlined one pixel with the pen.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ShapePeer : public GtkPeer, public IShapePeer {
 public:
  ShapePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetShape(ShapeKind kind, Color brush, Color pen) override;

 private:
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);

  ShapeKind kind_ = ShapeKind::Rectangle;
  Color brush_ = 0xFFFFFF;
  Color pen_ = 0;
};

}  // namespace platform::gtk
