#include "rtl/CzechCollation.h"

#include <array>
#include <vector>

namespace {

struct Weight {
  int primary;    // the letter
  int secondary;  // its accent
  int tertiary;   // its case
};

struct Letter {
  unsigned char small;
  unsigned char capital;
  char base;       // the plain letter it sorts with
  bool ownLetter;  // "č", "ř", "š", "ž": a letter of its own, right after its base
};

// Accented letters of the code page, small and capital, by their base letter.
constexpr std::array<Letter, 40> kAccented{{
    {0xE1, 0xC1, 'a', false}, {0xE2, 0xC2, 'a', false}, {0xE3, 0xC3, 'a', false}, {0xE4, 0xC4, 'a', false},
    {0xB9, 0xA5, 'a', false}, {0xE6, 0xC6, 'c', false}, {0xE7, 0xC7, 'c', false}, {0xE8, 0xC8, 'c', true},
    {0xEF, 0xCF, 'd', false}, {0xF0, 0xD0, 'd', false}, {0xE9, 0xC9, 'e', false}, {0xEA, 0xCA, 'e', false},
    {0xEB, 0xCB, 'e', false}, {0xEC, 0xCC, 'e', false}, {0xED, 0xCD, 'i', false}, {0xEE, 0xCE, 'i', false},
    {0xE5, 0xC5, 'l', false}, {0xBE, 0xBC, 'l', false}, {0xB3, 0xA3, 'l', false}, {0xF1, 0xD1, 'n', false},
    {0xF2, 0xD2, 'n', false}, {0xF3, 0xD3, 'o', false}, {0xF4, 0xD4, 'o', false}, {0xF5, 0xD5, 'o', false},
    {0xF6, 0xD6, 'o', false}, {0xE0, 0xC0, 'r', false}, {0xF8, 0xD8, 'r', true},  {0x9C, 0x8C, 's', false},
    {0xBA, 0xAA, 's', false}, {0x9A, 0x8A, 's', true},  {0x9D, 0x8D, 't', false}, {0xFE, 0xDE, 't', false},
    {0xFA, 0xDA, 'u', false}, {0xF9, 0xD9, 'u', false}, {0xFB, 0xDB, 'u', false}, {0xFC, 0xDC, 'u', false},
    {0xFD, 0xDD, 'y', false}, {0x9F, 0x8F, 'z', false}, {0xBF, 0xAF, 'z', false}, {0x9E, 0x8E, 'z', true},
}};

constexpr int kLetters = 300;  // letters sort after every other byte

int LetterWeight(char base) { return kLetters + 4 * (base - 'a'); }

// The weight of the character at i; "ch" takes two characters.
Weight WeightAt(const AnsiString& text, size_t& i) {
  const auto c = static_cast<unsigned char>(text[i]);
  const auto lower = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (lower >= 'a' && lower <= 'z') {
    const int tertiary = c == lower ? 0 : 1;
    if (lower == 'c' && i + 1 < text.size() && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
      // Both letters count for the case, the first one more: "ch" < "cH" < "Ch" < "CH".
      ++i;
      return {LetterWeight('h') + 2, 0, 2 * tertiary + (text[i] == 'h' ? 0 : 1)};
    }
    return {LetterWeight(static_cast<char>(lower)), 0, tertiary};
  }
  for (const Letter& l : kAccented) {
    if (c != l.small && c != l.capital) continue;
    const int primary = LetterWeight(l.base) + (l.ownLetter ? 1 : 0);
    return {primary, l.ownLetter ? 0 : l.small, c == l.small ? 0 : 1};
  }
  return {c, 0, 0};
}

std::vector<Weight> Weights(const AnsiString& text) {
  std::vector<Weight> weights;
  for (size_t i = 0; i < text.size(); ++i) weights.push_back(WeightAt(text, i));
  return weights;
}

template <class Field>
int CompareLevel(const std::vector<Weight>& a, const std::vector<Weight>& b, Field field) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (field(a[i]) != field(b[i])) return field(a[i]) < field(b[i]) ? -1 : 1;
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int CzechCompare(const AnsiString& left, const AnsiString& right) {
  const std::vector<Weight> a = Weights(left);
  const std::vector<Weight> b = Weights(right);
  if (int r = CompareLevel(a, b, [](const Weight& w) { return w.primary; })) return r;
  if (int r = CompareLevel(a, b, [](const Weight& w) { return w.secondary; })) return r;
  if (int r = CompareLevel(a, b, [](const Weight& w) { return w.tertiary; })) return r;
  return left.compare(right) < 0 ? -1 : left == right ? 0 : 1;
}
