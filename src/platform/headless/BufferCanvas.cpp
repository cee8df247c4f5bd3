#include "platform/headless/BufferCanvas.h"

#include <algorithm>

#include "platform/PixelStream.h"
#include "platform/headless/PixelCanvas.h"

namespace platform::headless {

BufferCanvas::BufferCanvas(std::vector<Color>& storage, int width, int height)
    : storage_(storage), width_(width), height_(height), row_(static_cast<size_t>(std::max(0, width)), 0) {
  storage_.resize(static_cast<size_t>(width) * height);
}

void BufferCanvas::FillRect(const Rect& rect, Color color) {
  if (rowsAlike_ && SpansAllRows(rect)) return PixelCanvas::Fill(row_, width_, 1, {rect.left, 0, rect.width, 1}, color);
  WriteOut();
  PixelCanvas::Fill(storage_, width_, height_, rect, color);
}

void BufferCanvas::WriteOut() {
  if (!rowsAlike_) return;
  rowsAlike_ = false;
  for (int y = 0; y < height_; ++y)
    StreamPixels(row_.data(), storage_.data() + static_cast<size_t>(y) * width_, width_);
  EndPixelStream();
}

}  // namespace platform::headless
