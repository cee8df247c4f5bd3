#include "rtl/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0xFF. The five bytes Windows-1250 leaves
// undefined map to the C1 controls of the same number, so every byte
// survives a trip through UTF-16 or UTF-8 and back.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

struct WideToByte {
  char16_t wide;
  unsigned char byte;
};

constexpr std::array<WideToByte, 128> SortByWide() {
  std::array<WideToByte, 128> table{};
  for (unsigned i = 0; i < 128; ++i) table[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
  std::sort(table.begin(), table.end(), [](WideToByte a, WideToByte b) { return a.wide < b.wide; });
  return table;
}

constexpr std::array<WideToByte, 128> kByWide = SortByWide();

// Lower-case bytes of the upper half paired with their capitals.
constexpr std::array<std::array<unsigned char, 2>, 10> kHighCasePairs = {{
    {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F},
    {0xB3, 0xA3}, {0xB9, 0xA5}, {0xBA, 0xAA}, {0xBE, 0xBC}, {0xBF, 0xAF},
}};

constexpr std::array<unsigned char, 256> BuildUpperTable() {
  std::array<unsigned char, 256> table{};
  for (unsigned i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  for (unsigned c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 0x20);
  for (const auto& pair : kHighCasePairs) table[pair[0]] = pair[1];
  // 0xE0..0xFE mirror 0xC0..0xDE, except the division sign.
  for (unsigned c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 0x20);
  }
  return table;
}

constexpr std::array<unsigned char, 256> kUpper = BuildUpperTable();

constexpr char32_t kInvalid = 0xFFFFFFFF;

char32_t ByteToCodePoint(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return b < 0x80 ? b : kHighHalf[b - 0x80];
}

char CodePointToByte(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  const auto* end = kByWide.end();
  const auto* found = std::lower_bound(kByWide.begin(), end, code,
                                       [](WideToByte entry, char32_t c) { return entry.wide < c; });
  return found != end && found->wide == code ? static_cast<char>(found->byte) : '?';
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

struct LeadByte {
  int continuations;
  unsigned char firstLow;  // allowed range of the first continuation byte,
  unsigned char firstHigh; // narrowed to rule out overlongs and surrogates
};

LeadByte ClassifyLead(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return {1, 0x80, 0xBF};
  if (b == 0xE0) return {2, 0xA0, 0xBF};
  if (b == 0xED) return {2, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {2, 0x80, 0xBF};
  if (b == 0xF0) return {3, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {3, 0x80, 0xBF};
  if (b == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};
}

// Decodes the sequence at pos and moves past it. A broken sequence yields
// kInvalid and is skipped only as far as it looked valid, so the byte that
// broke it starts the next sequence.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const LeadByte kind = ClassifyLead(lead);
  if (kind.continuations == 0) return kInvalid;
  char32_t code = lead & (0x3F >> kind.continuations);
  for (int i = 0; i < kind.continuations; ++i) {
    if (pos >= text.size()) return kInvalid;
    const auto b = static_cast<unsigned char>(text[pos]);
    const unsigned char low = i == 0 ? kind.firstLow : 0x80;
    const unsigned char high = i == 0 ? kind.firstHigh : 0xBF;
    if (b < low || b > high) return kInvalid;
    code = (code << 6) | (b & 0x3F);
    ++pos;
  }
  return code;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

unsigned char Upper(char c) { return kUpper[static_cast<unsigned char>(c)]; }

}  // namespace

WideString AnsiToWide(const AnsiString& text) {
  WideString wide(text.size(), u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) wide[i] = static_cast<char16_t>(ByteToCodePoint(text[i]));
  return wide;
}

AnsiString WideToAnsi(const WideString& text) {
  AnsiString ansi;
  ansi.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    ansi += CodePointToByte(c);  // any surrogate lands on '?'
  }
  return ansi;
}

std::string AnsiToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char c : text) AppendUtf8(utf8, ByteToCodePoint(c));
  return utf8;
}

AnsiString Utf8ToAnsi(std::string_view text) {
  AnsiString ansi;
  ansi.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t code = DecodeUtf8(text, pos);
    ansi += code <= 0xFFFF ? CodePointToByte(code) : '?';
  }
  return ansi;
}

AnsiString AnsiUpperCase(const AnsiString& text) {
  AnsiString upper(text);
  for (char& c : upper) c = static_cast<char>(Upper(c));
  return upper;
}

int AnsiCompareText(const AnsiString& left, const AnsiString& right) {
  const std::size_t common = std::min(left.size(), right.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int diff = Upper(left[i]) - Upper(right[i]);
    if (diff != 0) return diff;
  }
  return (left.size() > common) - (right.size() > common);
}

bool AnsiStartsText(std::string_view prefix, std::string_view text) {
  return prefix.size() <= text.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return Upper(a) == Upper(b); });
}
