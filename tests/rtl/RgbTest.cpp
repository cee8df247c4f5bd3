#include "rtl/Rgb.h"

#include <gtest/gtest.h>

TEST(Rgb, RedIsTheLowByteAndTheTopByteIsIgnored) {
  const struct {
    std::uint32_t color;
    Rgb rgb;
  } cases[] = {
      {0x000000FF, {0xFF, 0x00, 0x00}},
      {0x00008000, {0x00, 0x80, 0x00}},
      {0x00FF0000, {0x00, 0x00, 0xFF}},
      {0x00336699, {0x99, 0x66, 0x33}},
      {0xAB336699, {0x99, 0x66, 0x33}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Rgb::Of(c.color), c.rgb) << std::hex << c.color;
    EXPECT_EQ(ChannelOf(c.color, 2), c.rgb.blue) << std::hex << c.color;
  }
}
