#include "rtl/CodePage.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

const AnsiString kCzech = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1" "belsk\xE9 \xF3" "dy";
const AnsiString kCzechUpper = "P\xD8\xCDLI\x8A \x8ELU\x8DOU\xC8K\xDD K\xD9\xD2 \xDAP\xCCL \xCF\xC1" "BELSK\xC9 \xD3" "DY";

// The C library's converter, as an independent check of the table.
std::string SystemCp1250ToUtf8(char byte) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "unavailable";
  char out[8] = {};
  char* in = &byte;
  char* outPtr = out;
  std::size_t inLeft = 1, outLeft = sizeof out;
  const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok ? std::string(out, outPtr) : "undefined";
}

}  // namespace

TEST(CodePage, EveryByteSurvivesBothRoundTripsAndMapsLikeTheSystem) {
  AnsiString all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(AnsiToWide(all).size(), 256u);
  EXPECT_EQ(WideToAnsi(AnsiToWide(all)), all);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  for (const char undefined : {'\x81', '\x83', '\x88', '\x90', '\x98'})
    EXPECT_EQ(AnsiToWide(AnsiString(1, undefined))[0], static_cast<unsigned char>(undefined));

  EXPECT_EQ(Utf8ToAnsi("Příliš žluťoučký kůň úpěl ďábelské ódy"), kCzech);
  EXPECT_EQ(AnsiToUtf8(kCzech), "Příliš žluťoučký kůň úpěl ďábelské ódy");
  EXPECT_EQ(AnsiToWide(kCzech), u"Příliš žluťoučký kůň úpěl ďábelské ódy");
  if (SystemCp1250ToUtf8('a') == "unavailable") GTEST_SKIP() << "no CP1250 in iconv";
  for (int b = 0x80; b < 256; ++b) {
    const std::string expected = SystemCp1250ToUtf8(static_cast<char>(b));
    if (expected != "undefined") {
      EXPECT_EQ(AnsiToUtf8(AnsiString(1, static_cast<char>(b))), expected) << b;
    }
  }
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeOneQuestionMark) {
  EXPECT_EQ(WideToAnsi(u"a€中b"), "a\x80?b");
  EXPECT_EQ(WideToAnsi(u"x\U0001F600y"), "x?y");
  EXPECT_EQ(WideToAnsi(std::u16string{0xD800, u'a', 0xDC00}), "?a?");
  EXPECT_EQ(WideToAnsi(std::u16string{u'a', 0xD83D}), "a?");
  EXPECT_EQ(Utf8ToAnsi("x\xF0\x9F\x98\x80y"), "x?y");
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");
  // Broken sequences: each maximal broken part is one '?'.
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8" "A"), "?A");
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8"), "?");
  EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80"), "???");
  EXPECT_EQ(Utf8ToAnsi("\xF4\x90\x80\x80"), "????");
  EXPECT_EQ(Utf8ToAnsi("\xFF\xC4\x8D"), "?\xE8");
}

TEST(CodePage, CaseInsensitiveTextIncludesDiacritics) {
  EXPECT_EQ(AnsiUpperCase(kCzech), kCzechUpper);
  EXPECT_EQ(AnsiUpperCase("\xDF\xF7\xFF"), "\xDF\xF7\xFF");  // ß, ÷ and ˙ have no capitals here
  EXPECT_EQ(AnsiCompareText(kCzech, kCzechUpper), 0);
  EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
  EXPECT_GT(AnsiCompareText("ABD", "abc"), 0);
  EXPECT_GT(AnsiCompareText("abc", "AB"), 0);
  EXPECT_LT(AnsiCompareText("", "a"), 0);
  EXPECT_NE(AnsiCompareText("s", "\x9A"), 0);  // s, š

  EXPECT_TRUE(AnsiStartsText("AB", "abcd"));
  EXPECT_TRUE(AnsiStartsText("\xC8" "E", "\xE8" "esko"));  // ČE, česko
  EXPECT_TRUE(AnsiStartsText("", "x"));
  EXPECT_FALSE(AnsiStartsText("abcd", "AB"));
  EXPECT_FALSE(AnsiStartsText("C", "\xE8" "esko"));
}
