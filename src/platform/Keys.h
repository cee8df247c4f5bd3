#pragma once
// Virtual-key codes and modifier state as the class library and the windows see them.
#include <cstdint>

using Word = std::uint16_t;

constexpr Word VK_BACK = 8;
constexpr Word VK_TAB = 9;
constexpr Word VK_RETURN = 13;
constexpr Word VK_SHIFT = 16;
constexpr Word VK_CONTROL = 17;
constexpr Word VK_MENU = 18;
constexpr Word VK_ESCAPE = 27;
constexpr Word VK_SPACE = 32;
constexpr Word VK_PRIOR = 33;  // page up
constexpr Word VK_NEXT = 34;   // page down
constexpr Word VK_END = 35;
constexpr Word VK_HOME = 36;
constexpr Word VK_LEFT = 37;
constexpr Word VK_UP = 38;
constexpr Word VK_RIGHT = 39;
constexpr Word VK_DOWN = 40;
constexpr Word VK_INSERT = 45;
constexpr Word VK_DELETE = 46;
constexpr Word VK_NUMPAD0 = 96;  // the number pad's other digits follow in order
constexpr Word VK_F1 = 112;      // up to F24 in order
constexpr Word VK_F4 = 115;
constexpr Word VK_F5 = 116;
constexpr Word VK_F24 = 135;
// The punctuation keys, by what they type on a US keyboard.
constexpr Word VK_OEM_1 = 186;       // semicolon
constexpr Word VK_OEM_PLUS = 187;    // equals sign
constexpr Word VK_OEM_COMMA = 188;
constexpr Word VK_OEM_MINUS = 189;
constexpr Word VK_OEM_PERIOD = 190;
constexpr Word VK_OEM_2 = 191;       // slash
constexpr Word VK_OEM_3 = 192;       // grave accent
constexpr Word VK_OEM_4 = 219;       // left bracket
constexpr Word VK_OEM_5 = 220;       // backslash
constexpr Word VK_OEM_6 = 221;       // right bracket
constexpr Word VK_OEM_7 = 222;       // apostrophe

// The modifier keys held with a key.
class TShiftState {
 public:
  enum Flag : std::uint8_t { Shift = 1, Alt = 2, Ctrl = 4 };
  constexpr TShiftState() = default;
  constexpr TShiftState(Flag f) : bits_(f) {}  // NOLINT: a single flag reads naturally
  constexpr TShiftState operator|(TShiftState o) const { return TShiftState(bits_ | o.bits_); }
  constexpr bool Contains(Flag f) const { return (bits_ & f) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr bool operator==(const TShiftState&) const = default;

 private:
  constexpr explicit TShiftState(int bits) : bits_(static_cast<std::uint8_t>(bits)) {}
  std::uint8_t bits_ = 0;
};

constexpr TShiftState operator|(TShiftState::Flag a, TShiftState::Flag b) {
  return TShiftState(a) | TShiftState(b);
}
