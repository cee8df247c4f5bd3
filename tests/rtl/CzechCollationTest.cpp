#include <gtest/gtest.h>

#include <algorithm>

#include "rtl/AnsiLiteral.h"
#include "rtl/CzechCollation.h"

namespace {

using Texts = std::vector<std::string>;

// The UTF-8 texts sorted by their ANSI form, given back in UTF-8.
Texts Sorted(Texts texts) {
  for (std::string& s : texts) s = Utf8ToAnsi(s);
  std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return CzechCompare(a, b) < 0; });
  for (std::string& s : texts) s = AnsiToUtf8(s);
  return texts;
}

// One UTF-8 character of the text at a time.
Texts Characters(const std::string& text) {
  Texts characters;
  for (size_t i = 0; i < text.size();) {
    size_t length = 1;
    while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

}  // namespace

TEST(CzechCollation, SortsLikeACzechDictionary) {
  struct Case {
    const char* what;
    Texts given;
    Texts sorted;
  };
  const Case cases[] = {
      {"letters first, ch after h, háček letters after their base",
       {"chata", "hrad", "cena", "čas", "idnes.cz", "Zlín", "žena", "řeka", "rak", "sova", "šum"},
       {"cena", "čas", "hrad", "chata", "idnes.cz", "rak", "řeka", "sova", "šum", "Zlín", "žena"}},
      {"case and accents only break ties", {"sěznam", "Seznam", "seznama", "seznam"},
       {"seznam", "Seznam", "sěznam", "seznama"}},
      {"what is not a letter comes first, in byte order", {"www.a.cz", "1.cz", "http://x", "", "-"},
       {"", "-", "1.cz", "http://x", "www.a.cz"}},
      {"ch takes its case from both letters", {"CHata", "Chata", "cHata", "chata"},
       {"chata", "cHata", "Chata", "CHata"}},
      {"the first letter's case weighs more, as with other pairs", {"ChA", "cHa", "Cha", "chA"},
       {"chA", "cHa", "Cha", "ChA"}},
      {"ch compares its case like ab does", {"AB", "Ab", "aB", "ab"}, {"ab", "aB", "Ab", "AB"}},
      {"ź and ż are accents of z, small first; ž is a letter of its own",
       {"Žal", "žal", "Żal", "żal", "Źal", "źal", "Zal", "zal"},
       {"zal", "Zal", "źal", "Źal", "żal", "Żal", "žal", "Žal"}},
      {"an accent weighs more than case", {"Żal", "źal", "Źal"}, {"źal", "Źal", "Żal"}},
      {"texts that start alike still read ch where it stands", {"xcH", "xch", "xcz", "xc", "xchb", "xcha"},
       {"xc", "xcz", "xch", "xcH", "xcha", "xchb"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Sorted(c.given), c.sorted) << c.what;
}

TEST(CzechCollation, EverySmallLetterOfTheCodePageComesRightBeforeItsCapital) {
  const Texts small = Characters("abcdefghijklmnopqrstuvwxyzáâăäąćçčďđéëęěíîĺľłńňóôőöŕřśşšťţúůűüýźżž");
  const Texts capital = Characters("ABCDEFGHIJKLMNOPQRSTUVWXYZÁÂĂÄĄĆÇČĎĐÉËĘĚÍÎĹĽŁŃŇÓÔŐÖŔŘŚŞŠŤŢÚŮŰÜÝŹŻŽ");
  ASSERT_EQ(small.size(), capital.size());
  for (size_t i = 0; i < small.size(); ++i) {
    const AnsiString lower = Utf8ToAnsi(small[i]);
    const AnsiString upper = Utf8ToAnsi(capital[i]);
    ASSERT_EQ(lower.size(), 1u) << small[i];
    EXPECT_LT(CzechCompare(lower, upper), 0) << small[i];
    // Case breaks a tie only: a capital before a later letter still sorts first.
    EXPECT_LT(CzechCompare(upper + "a", lower + "b"), 0) << small[i];
    EXPECT_LT(CzechCompare(lower + "a", upper + "b"), 0) << small[i];
  }
  EXPECT_LT(CzechCompare("http://a.cz", "http://B.cz"), 0);
  EXPECT_EQ(CzechCompare("abc", "abc"), 0);
}
