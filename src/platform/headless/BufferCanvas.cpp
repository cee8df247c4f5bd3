#include "platform/headless/BufferCanvas.h"

#include <algorithm>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
  for (int y = 0; y < height_; ++y) StreamRow(storage_.data() + static_cast<size_t>(y) * width_);
#if defined(__SSE2__)
  _mm_sfence();
#endif
}

// A window-sized picture is bigger than the caches, so the rows go straight
// to memory without first reading what they overwrite.
void BufferCanvas::StreamRow(Color* to) const {
  const Color* from = row_.data();
  int x = 0;
#if defined(__SSE2__)
  for (; x < width_ && reinterpret_cast<std::uintptr_t>(to + x) % 16 != 0; ++x) to[x] = from[x];
  for (; x + 4 <= width_; x += 4)
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + x), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x)));
#endif
  std::copy(from + x, from + width_, to + x);
}

}  // namespace platform::headless
