#include "platform/gtk/Utf16.h"

#include <gtest/gtest.h>

using platform::gtk::Utf16ToUtf8;
using platform::gtk::Utf8ToUtf16;

TEST(Utf16Test, CzechTextCrossesBothWays) {
  EXPECT_EQ(Utf16ToUtf8(u"Příliš žluťoučký kůň"), "Příliš žluťoučký kůň");
  EXPECT_EQ(Utf8ToUtf16("Domovská stránka"), u"Domovská stránka");
}

TEST(Utf16Test, CharactersBeyondTheBasicPlaneUseSurrogatePairs) {
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80").size(), 2u);
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("a\xF0\x9F\x98\x80z")), "a\xF0\x9F\x98\x80z");
}

TEST(Utf16Test, BrokenInputGivesEmptyText) {
  EXPECT_EQ(Utf8ToUtf16("\xFF\xFE"), u"");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "");
  EXPECT_EQ(Utf16ToUtf8(u""), "");
}
