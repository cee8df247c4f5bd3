#pragma once
// The colours of a ramp drawn as one-pixel vertical stripes. The arithmetic is
// done in x87 extended precision (a 64-bit significand), never in double, so
// every stripe comes out the same whatever the compiler or its flags.
#include <array>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "ColorRamp needs long double with a 64-bit significand (x87 extended precision, "
              "as on x86-64 Linux); the ramp's colours are defined by that arithmetic");
#if defined(__FAST_MATH__)
#error "ColorRamp must not be built with -ffast-math: it would change the ramp's colours"
#endif

class ColorRamp {
 public:
  using Color = std::uint32_t;          // 0x00BBGGRR
  using Steps = std::array<double, 3>;  // red, green, blue

  // How much channel k (0 red, 1 green, 2 blue) changes from one stripe to the
  // next: (end_k - start_k) / width, divided in extended precision and then
  // stored as a double. Width 0 raises EZeroDivide, or EInvalidOp when the
  // channel is the same at both ends (0 / 0).
  static double Step(Color start, Color end, int channel, int width);

  ColorRamp(Color start, const Steps& steps) : start_(start), steps_(steps) {}

  // Per channel x * step + start in extended precision, rounded to nearest
  // with ties to even, low 8 bits.
  Color Stripe(int x) const;

 private:
  Color start_;
  Steps steps_;
};
