#pragma once
// The find-folder clip: a magnifying glass sweeping over an open folder full
// of papers, drawn anew for each of its frames.
#include <cairo.h>

namespace platform::gtk {

struct FindFolderClip {
  static constexpr int kWidth = 72;
  static constexpr int kHeight = 46;

  // Draws frame 1 .. the clip's frame count into a kWidth x kHeight box at the origin.
  static void Draw(cairo_t* cr, int frame);
};

}  // namespace platform::gtk
