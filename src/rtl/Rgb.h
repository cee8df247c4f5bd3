#pragma once
// The channels of a colour as every layer stores it, 0x00BBGGRR: red in the
// low byte, then green, then blue.
#include <cstdint>

// Channel 0 is red, 1 green, 2 blue.
constexpr std::uint8_t ChannelOf(std::uint32_t color, int channel) {
  return static_cast<std::uint8_t>(color >> (8 * channel));
}

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  static constexpr Rgb Of(std::uint32_t color) {
    return {ChannelOf(color, 0), ChannelOf(color, 1), ChannelOf(color, 2)};
  }
  bool operator==(const Rgb&) const = default;
};
