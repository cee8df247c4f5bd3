#include "platform/PixelStream.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

void StreamPixels(const std::uint32_t* from, std::uint32_t* to, int count) {
  int x = 0;
#if defined(__SSE2__)
  for (; x < count && reinterpret_cast<std::uintptr_t>(to + x) % 16 != 0; ++x) to[x] = from[x];
  for (; x + 4 <= count; x += 4)
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + x), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x)));
#endif
  std::copy(from + x, from + count, to + x);
}

void EndPixelStream() {
#if defined(__SSE2__)
  _mm_sfence();
#endif
}

}  // namespace platform
