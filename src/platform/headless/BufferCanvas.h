#pragma once
// The off-screen picture of a buffered paint. As long as every fill covers
// all rows (a background, full-height stripes) the rows are alike, so it keeps
// one row and writes the picture out once at the end: a window-wide ramp of
// one-pixel stripes costs one pass over memory instead of one per stripe.
#include <vector>

#include "platform/Canvas.h"

namespace platform::headless {

class BufferCanvas : public ICanvas {
 public:
  // A fresh black width x height picture, to be written to storage.
  BufferCanvas(std::vector<Color>& storage, int width, int height);
  void FillRect(const Rect& rect, Color color) override;
  // Brings storage up to date; from then on fills go straight to it.
  void WriteOut();

 private:
  bool SpansAllRows(const Rect& rect) const { return rect.top <= 0 && rect.top + rect.height >= height_; }

  std::vector<Color>& storage_;
  int width_;
  int height_;
  std::vector<Color> row_;  // every row, while rowsAlike_
  bool rowsAlike_ = true;
};

}  // namespace platform::headless
