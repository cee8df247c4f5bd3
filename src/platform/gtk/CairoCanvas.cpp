#include "platform/gtk/CairoCanvas.h"

namespace platform::gtk {

namespace {

double Channel(Color color, int shift) { return ((color >> shift) & 0xFF) / 255.0; }

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr) : cr_(cr) {}

void CairoCanvas::FillRect(const Rect& rect, Color color) {
  if (rect.width <= 0 || rect.height <= 0) return;
  // Whole-pixel rectangles without antialiasing, so edges never blend.
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr_, Channel(color, 0), Channel(color, 8), Channel(color, 16));
  cairo_rectangle(cr_, rect.left, rect.top, rect.width, rect.height);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

}  // namespace platform::gtk
