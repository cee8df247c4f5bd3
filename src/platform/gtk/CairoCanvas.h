#pragma once
// The canvas of a GTK paint: fills land on exact pixels of the cairo surface.
#include <cairo.h>

#include "platform/Canvas.h"

namespace platform::gtk {

// Makes the colour cairo's source for what is drawn next.
void UseColor(cairo_t* cr, Color color);

class CairoCanvas : public platform::ICanvas {
 public:
  explicit CairoCanvas(cairo_t* cr);
  void FillRect(const Rect& rect, Color color) override;
  // Collects the fills in a picture of its own and shows it in one step: a
  // ramp of one-pixel stripes then costs one pass over the surface instead
  // of one per stripe. Same pixels as painting straight on it.
  void PaintBuffered(const std::function<void(ICanvas&)>& paint) override;

 private:
  cairo_t* cr_;
};

}  // namespace platform::gtk
