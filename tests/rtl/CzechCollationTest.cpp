#include <gtest/gtest.h>

#include <algorithm>

#include "rtl/AnsiLiteral.h"
#include "rtl/CzechCollation.h"

namespace {

std::vector<AnsiString> Sorted(std::vector<const char*> utf8) {
  std::vector<AnsiString> list;
  for (const char* s : utf8) list.push_back(Utf8ToAnsi(s));
  std::stable_sort(list.begin(), list.end(), [](const AnsiString& a, const AnsiString& b) { return CzechCompare(a, b) < 0; });
  return list;
}

std::vector<AnsiString> Ansi(std::vector<const char*> utf8) {
  std::vector<AnsiString> list;
  for (const char* s : utf8) list.push_back(Utf8ToAnsi(s));
  return list;
}

TEST(CzechCollation, OrdersLettersTheCzechWay) {
  EXPECT_EQ(Sorted({"chata", "hrad", "cena", "čas", "idnes.cz", "Zlín", "žena", "řeka", "rak", "sova", "šum"}),
            Ansi({"cena", "čas", "hrad", "chata", "idnes.cz", "rak", "řeka", "sova", "šum", "Zlín", "žena"}));
}

TEST(CzechCollation, CaseAndAccentsOnlyBreakTies) {
  EXPECT_EQ(Sorted({"sěznam", "Seznam", "seznama", "seznam"}), Ansi({"seznam", "Seznam", "sěznam", "seznama"}));
  EXPECT_LT(CzechCompare("http://a.cz", "http://B.cz"), 0);
  EXPECT_EQ(CzechCompare("abc", "abc"), 0);
}

TEST(CzechCollation, NonLettersComeBeforeLetters) {
  EXPECT_EQ(Sorted({"www.a.cz", "1.cz", "http://x", "", "-"}), Ansi({"", "-", "1.cz", "http://x", "www.a.cz"}));
}

}  // namespace
