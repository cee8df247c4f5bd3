#pragma once
// The drawing surface a window system hands to a paint.
#include <cstdint>
#include <functional>

#include "platform/Geometry.h"

namespace platform {

// A colour as 0x00BBGGRR.
using Color = std::uint32_t;

class ICanvas {
 public:
  virtual ~ICanvas() = default;
  // Fills the columns left .. left+width-1 and the rows top .. top+height-1;
  // whatever falls outside the surface is dropped.
  virtual void FillRect(const Rect& rect, Color color) = 0;
  // Runs paint on an off-screen surface the size of this one, then shows the
  // result in one step, so nothing half-drawn is ever seen. A surface that is
  // off-screen already may just paint on itself.
  virtual void PaintBuffered(const std::function<void(ICanvas&)>& paint) { paint(*this); }
};

}  // namespace platform
