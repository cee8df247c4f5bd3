#include "platform/gtk/AccessKeyText.h"

#include <gtest/gtest.h>

#include "rtl/CodePage.h"

using platform::gtk::AccessKeyText;

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
  for (const auto& c : cases) EXPECT_EQ(AccessKeyText::KeyOf(Utf8ToAnsi(c.caption)), c.key) << c.caption;
}
