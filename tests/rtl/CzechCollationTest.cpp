#include <gtest/gtest.h>

#include <algorithm>

#include "rtl/AnsiLiteral.h"
#include "rtl/CzechCollation.h"

namespace {

// The UTF-8 texts sorted by their ANSI form, given back in UTF-8.
std::vector<std::string> Sorted(std::vector<std::string> texts) {
  for (std::string& s : texts) s = Utf8ToAnsi(s);
  std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return CzechCompare(a, b) < 0; });
  for (std::string& s : texts) s = AnsiToUtf8(s);
  return texts;
}

}  // namespace

TEST(CzechCollation, OrdersLettersTheCzechWayWithCaseAndAccentsOnlyBreakingTies) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Sorted({"chata", "hrad", "cena", "čas", "idnes.cz", "Zlín", "žena", "řeka", "rak", "sova", "šum"}),
            (V{"cena", "čas", "hrad", "chata", "idnes.cz", "rak", "řeka", "sova", "šum", "Zlín", "žena"}));
  EXPECT_EQ(Sorted({"sěznam", "Seznam", "seznama", "seznam"}), (V{"seznam", "Seznam", "sěznam", "seznama"}));
  EXPECT_EQ(Sorted({"www.a.cz", "1.cz", "http://x", "", "-"}), (V{"", "-", "1.cz", "http://x", "www.a.cz"}));
  EXPECT_LT(CzechCompare("http://a.cz", "http://B.cz"), 0);
  EXPECT_EQ(CzechCompare("abc", "abc"), 0);
}
