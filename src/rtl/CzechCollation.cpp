#include "rtl/CzechCollation.h"

#include <algorithm>
#include <array>
#include <string_view>

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

constexpr int LetterWeight(char base) { return kLetters + 4 * (base - 'a'); }

// The weight of every byte on its own; "ch" is weighed where it stands.
constexpr std::array<Weight, 256> MakeByteWeights() {
  std::array<Weight, 256> weights{};
  for (int c = 0; c < 256; ++c) weights[c] = {c, 0, 0};
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    weights[static_cast<unsigned char>(letter)] = {LetterWeight(letter), 0, 0};
    weights[static_cast<unsigned char>(letter - 32)] = {LetterWeight(letter), 0, 1};
  }
  for (const Letter& l : kAccented) {
    const int primary = LetterWeight(l.base) + (l.ownLetter ? 1 : 0);
    const int secondary = l.ownLetter ? 0 : l.small;
    weights[l.small] = {primary, secondary, 0};
    weights[l.capital] = {primary, secondary, 1};
  }
  return weights;
}

constexpr std::array<Weight, 256> kByteWeights = MakeByteWeights();

bool IsH(char c) { return c == 'h' || c == 'H'; }
bool IsC(char c) { return c == 'c' || c == 'C'; }

// The weight of the character at i, moving i past it; "ch" takes two characters.
Weight WeightAt(std::string_view text, size_t& i) {
  const char c = text[i++];
  if (IsC(c) && i < text.size() && IsH(text[i])) {
    // Both letters count for the case, the first one more: "ch" < "cH" < "Ch" < "CH".
    const int tertiary = 2 * (c == 'c' ? 0 : 1) + (text[i++] == 'h' ? 0 : 1);
    return {LetterWeight('h') + 2, 0, tertiary};
  }
  return kByteWeights[static_cast<unsigned char>(c)];
}

// Compares one level of the two texts' weights, the shorter first on a tie.
template <class Field>
int CompareLevel(std::string_view a, std::string_view b, Field field) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const int left = field(WeightAt(a, i));
    const int right = field(WeightAt(b, j));
    if (left != right) return left < right ? -1 : 1;
  }
  if (i < a.size()) return 1;
  return j < b.size() ? -1 : 0;
}

// The bytes both texts begin with weigh the same on every level, unless the
// last is a "c" that an "h" after it joins into "ch" in one text only.
size_t SharedStart(std::string_view a, std::string_view b) {
  const size_t limit = std::min(a.size(), b.size());
  size_t shared = 0;
  while (shared < limit && a[shared] == b[shared]) ++shared;
  return shared > 0 && IsC(a[shared - 1]) ? shared - 1 : shared;
}

}  // namespace

// Level by level, weighing each character as it is reached and skipping the
// start both share: no copies, so sorting a long list of addresses costs
// little more than the comparisons.
int CzechCompare(const AnsiString& left, const AnsiString& right) {
  const size_t shared = SharedStart(left, right);
  const std::string_view a = std::string_view(left).substr(shared);
  const std::string_view b = std::string_view(right).substr(shared);
  if (int r = CompareLevel(a, b, [](const Weight& w) { return w.primary; })) return r;
  if (int r = CompareLevel(a, b, [](const Weight& w) { return w.secondary; })) return r;
  if (int r = CompareLevel(a, b, [](const Weight& w) { return w.tertiary; })) return r;
  return left.compare(right) < 0 ? -1 : left == right ? 0 : 1;
}
