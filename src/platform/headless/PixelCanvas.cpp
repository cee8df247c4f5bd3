#include "platform/headless/PixelCanvas.h"

#include <algorithm>
#include <utility>

#include "platform/headless/BufferCanvas.h"

namespace platform::headless {

PixelCanvas::PixelCanvas(std::vector<Color>& pixels, std::vector<Color>& spare, int width, int height)
    : pixels_(pixels), spare_(spare), width_(width), height_(height) {}

void PixelCanvas::FillRect(const Rect& rect, Color color) {
  // The screen takes the window's new size only when drawn on, so a buffered
  // paint leaves the last picture in place until it is done.
  pixels_.resize(static_cast<size_t>(width_) * height_);
  Fill(pixels_, width_, height_, rect, color);
}

void PixelCanvas::PaintBuffered(const std::function<void(ICanvas&)>& paint) {
  BufferCanvas buffer(spare_, width_, height_);
  paint(buffer);
  buffer.WriteOut();
  std::swap(pixels_, spare_);
}

void PixelCanvas::Fill(std::vector<Color>& pixels, int width, int height, const Rect& rect, Color color) {
  const int left = std::max(0, rect.left);
  const int right = std::min(width, rect.left + rect.width);
  const int top = std::max(0, rect.top);
  const int bottom = std::min(height, rect.top + rect.height);
  if (left >= right || top >= bottom) return;
  for (int y = top; y < bottom; ++y)
    std::fill(pixels.begin() + static_cast<size_t>(y) * width + left,
              pixels.begin() + static_cast<size_t>(y) * width + right, color);
}

}  // namespace platform::headless
