#pragma once
// The canvas of a GTK paint: fills land on exact pixels of the cairo surface.
#include <cairo.h>

#include "platform/Canvas.h"

namespace platform::gtk {

class CairoCanvas : public platform::ICanvas {
 public:
  explicit CairoCanvas(cairo_t* cr);
  void FillRect(const Rect& rect, Color color) override;

 private:
  cairo_t* cr_;
};

}  // namespace platform::gtk
