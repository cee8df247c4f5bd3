#include "rtl/ColorRamp.h"

#include <cmath>

#include "rtl/Exceptions.h"
#include "rtl/Rgb.h"

namespace {

// The nearest integer, ties to even (the default rounding mode); llrint
// rounds with one x87 instruction, where nearbyint saves and restores the
// floating-point environment on every call.
std::uint32_t LowByteOfNearest(long double value) { return static_cast<std::uint32_t>(std::llrint(value) & 0xFF); }

}  // namespace

double ColorRamp::Step(Color start, Color end, int channel, int width) {
  const int difference = ChannelOf(end, channel) - ChannelOf(start, channel);
  if (width == 0) {
    if (difference == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  const long double quotient = static_cast<long double>(difference) / static_cast<long double>(width);
  return static_cast<double>(quotient);
}

ColorRamp::Color ColorRamp::Stripe(int x) const {
  Color color = 0;
  for (int channel = 0; channel < 3; ++channel) {
    // Two statements, both long double: the product is rounded to 64 bits
    // before the sum, as the ramp is defined.
    const long double product = static_cast<long double>(x) * static_cast<long double>(steps_[channel]);
    const long double value = product + static_cast<long double>(ChannelOf(start_, channel));
    color |= LowByteOfNearest(value) << (8 * channel);
  }
  return color;
}
