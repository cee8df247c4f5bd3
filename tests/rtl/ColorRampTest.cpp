#include "rtl/ColorRamp.h"

#include <gtest/gtest.h>

#include "rtl/Exceptions.h"
#include "support/MessageOf.h"

namespace {

using Color = ColorRamp::Color;
constexpr Color kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x008000, kBlue = 0xFF0000,
                kYellow = 0x00FFFF;

}  // namespace

TEST(ColorRamp, EveryWindowsRampRunsFromItsStartToItsEndAtAnyWidth) {
  // The main, goodbye, help, favorites and home-page windows.
  for (const auto& [start, end] : {std::pair{kWhite, kBlue}, {kRed, kGreen}, {kWhite, kRed}, {kBlue, kYellow},
                                   {kBlack, kYellow}})
    for (int width = 1; width <= 4000; ++width) {
      ColorRamp::Steps steps{};
      for (int channel = 0; channel < 3; ++channel) steps[channel] = ColorRamp::Step(start, end, channel, width);
      const ColorRamp ramp(start, steps);
      ASSERT_EQ(ramp.Stripe(0), start) << std::hex << start << " width " << std::dec << width;
      ASSERT_EQ(ramp.Stripe(width), end) << std::hex << start << " width " << std::dec << width;
    }
}

TEST(ColorRamp, StepIsTheExtendedQuotientStoredAsADoubleAndZeroWidthFails) {
  // 128 / 2731 rounded once to a double ends in ...001p-5; rounded first to
  // 64 bits and then to 53 it ends in ...002p-5.
  EXPECT_EQ(ColorRamp::Step(kRed, kGreen, 1, 2731), 0x1.7ff4005ffd002p-5);
  EXPECT_EQ(ColorRamp::Step(kWhite, kBlue, 2, 510), 0.0);
  EXPECT_EQ(ColorRamp::Step(kWhite, kBlue, 0, -10), 25.5);  // a negative width divides like any other

  // x / 0 and 0 / 0, as the floating-point unit reports them.
  EXPECT_EQ(MessageOf<EZeroDivide>([] { ColorRamp::Step(kWhite, kBlue, 0, 0); }), "Floating point division by zero");
  EXPECT_EQ(MessageOf<EInvalidOp>([] { ColorRamp::Step(kWhite, kRed, 0, 0); }), "Invalid floating point operation");
  EXPECT_EQ(MessageOf<EZeroDivide>([] { ColorRamp::Step(kWhite, kRed, 2, 0); }), "Floating point division by zero");
}
