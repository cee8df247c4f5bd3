#include "platform/gtk/AccessKeyText.h"

#include <gtest/gtest.h>

#include "rtl/CodePage.h"

using platform::gtk::AccessKeyText;

TEST(AccessKeyTextTest, TheMarkedLetterIsUnderlinedAndTheMarkerDropped) {
  const AccessKeyText first = AccessKeyText::Parse("&Soubor");
  EXPECT_EQ(first.text, "Soubor");
  EXPECT_EQ(first.underline, 0);
  const AccessKeyText inner = AccessKeyText::Parse("S&mazat");
  EXPECT_EQ(inner.text, "Smazat");
  EXPECT_EQ(inner.underline, 1);
}

TEST(AccessKeyTextTest, ADoubledMarkerIsAnAmpersand) {
  const AccessKeyText parsed = AccessKeyText::Parse("Tom && Jerry");
  EXPECT_EQ(parsed.text, "Tom & Jerry");
  EXPECT_EQ(parsed.underline, -1);
  EXPECT_EQ(AccessKeyText::Parse("A && &B").underline, 4);
}

TEST(AccessKeyTextTest, CaptionsWithoutAMarkerShowAsTheyAre) {
  EXPECT_EQ(AccessKeyText::Parse("Konec").underline, -1);
  EXPECT_EQ(AccessKeyText::Parse("Konec").text, "Konec");
  EXPECT_EQ(AccessKeyText::Parse("End&").text, "End&");
  EXPECT_EQ(AccessKeyText::Parse("End&").underline, -1);
}

TEST(AccessKeyTextTest, OnlyTheFirstMarkerUnderlines) {
  const AccessKeyText parsed = AccessKeyText::Parse("&a&b");
  EXPECT_EQ(parsed.text, "ab");
  EXPECT_EQ(parsed.underline, 0);
}

TEST(AccessKeyTextTest, TheKeyIsTheMarkedCharacterInLowerCase) {
  const struct {
    const char* caption;  // UTF-8, sent as 8-bit text
    gunichar key;
  } cases[] = {
      {"&Soubor", 's'},
      {"Ř&adit od A-Z", 'a'},
      {"&Řadit", 0x0159 /* ř */},
      {"pod_trž&ítko", 0xED /* í */},
      {"Tom && Jerry", 0},
      {"Konec", 0},
      {"End&", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(AccessKeyText::Parse(Utf8ToAnsi(c.caption)).Key(), c.key) << c.caption;
}
