#pragma once
// Pixels copied straight to memory without first reading what they
// overwrite: a window-sized picture is bigger than the caches, so reading it
// in only to replace it would double the traffic.
#include <cstdint>

namespace platform {

// Copies count pixels from one row to another.
void StreamPixels(const std::uint32_t* from, std::uint32_t* to, int count);
// Call once the rows are written, before they are shown or read.
void EndPixelStream();

}  // namespace platform
