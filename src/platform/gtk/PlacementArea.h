#pragma once
// A container that stands each child at the rectangle the class library gave
// it. It asks for no room of its own, so its children never set a window's
// minimum size, and it tells its owner when it is given a size before it
// places the children, so bounds changed in answer are used in the same pass.
#include <gtk/gtk.h>

#include <functional>

#include "platform/Geometry.h"

namespace platform::gtk {

class PlacementArea {
 public:
  using SizeListener = std::function<void()>;

  static GtkWidget* New();
  // Stands the child at the rectangle, taking it from where it stood before.
  static void Place(GtkWidget* area, GtkWidget* child, const Rect& rect);
  static void OnSizeChange(GtkWidget* area, SizeListener listener);
};

}  // namespace platform::gtk
