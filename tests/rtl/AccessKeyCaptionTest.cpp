#include "rtl/AccessKeyCaption.h"

#include <gtest/gtest.h>

TEST(AccessKeyCaption, TheFirstSingleMarkerNamesTheKeyAndDoubledMarkersStandForAnAmpersand) {
  const struct {
    const char* caption;
    const char* text;
    int keyIndex;
  } cases[] = {
      {"&Soubor", "Soubor", 0},
      {"S&mazat", "Smazat", 1},
      {"Tom && Jerry", "Tom & Jerry", -1},
      {"A && &B", "A & B", 4},
      {"&&&a", "&a", 1},
      {"&a&b", "ab", 0},
      {"Konec", "Konec", -1},
      {"End&", "End&", -1},
      {"", "", -1},
  };
  for (const auto& c : cases) {
    const AccessKeyCaption parsed = AccessKeyCaption::Parse(c.caption);
    EXPECT_EQ(parsed.text, c.text) << c.caption;
    EXPECT_EQ(parsed.keyIndex, c.keyIndex) << c.caption;
  }
}
