#include "platform/gtk/TranslatedKey.h"

#include <gtest/gtest.h>

using platform::gtk::TranslatedKey;

namespace {

constexpr auto kNone = static_cast<GdkModifierType>(0);

TranslatedKey Key(guint keyval, GdkModifierType state = kNone, guint base = 0) {
  return TranslatedKey::From(keyval, base ? base : keyval, state);
}

}  // namespace

TEST(TranslatedKeyTest, LettersGiveTheirCapitalCodeAndTypeTheCharacter) {
  EXPECT_EQ(Key(GDK_KEY_s).key, 'S');
  EXPECT_EQ(Key(GDK_KEY_s).ch, 's');
  const TranslatedKey shifted = Key(GDK_KEY_S, GDK_SHIFT_MASK);
  EXPECT_EQ(shifted.key, 'S');
  EXPECT_EQ(shifted.ch, 'S');
  EXPECT_TRUE(shifted.shift.Contains(TShiftState::Shift));
}

TEST(TranslatedKeyTest, DigitsAndKeypadDigitsAreDistinct) {
  EXPECT_EQ(Key(GDK_KEY_7).key, '7');
  EXPECT_EQ(Key(GDK_KEY_KP_7).key, 96 + 7);
}

TEST(TranslatedKeyTest, ControlKeysTypeTheirControlCharacters) {
  EXPECT_EQ(Key(GDK_KEY_Return).key, VK_RETURN);
  EXPECT_EQ(Key(GDK_KEY_Return).ch, '\r');
  EXPECT_EQ(Key(GDK_KEY_KP_Enter).key, VK_RETURN);
  EXPECT_EQ(Key(GDK_KEY_Escape).ch, '\x1b');
  EXPECT_EQ(Key(GDK_KEY_BackSpace).key, VK_BACK);
  EXPECT_EQ(Key(GDK_KEY_BackSpace).ch, '\b');
  EXPECT_EQ(Key(GDK_KEY_space).key, VK_SPACE);
  EXPECT_EQ(Key(GDK_KEY_space).ch, ' ');
}

TEST(TranslatedKeyTest, ShiftTabIsTabWithShift) {
  const TranslatedKey back = Key(GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK);
  EXPECT_EQ(back.key, VK_TAB);
  EXPECT_TRUE(back.shift.Contains(TShiftState::Shift));
}

TEST(TranslatedKeyTest, FunctionAndMovementKeysTypeNothing) {
  EXPECT_EQ(Key(GDK_KEY_F1).key, VK_F1);
  EXPECT_EQ(Key(GDK_KEY_F5).key, VK_F5);
  EXPECT_EQ(Key(GDK_KEY_F12).key, VK_F1 + 11);
  EXPECT_EQ(Key(GDK_KEY_F5).ch, 0);
  EXPECT_EQ(Key(GDK_KEY_Delete).key, VK_DELETE);
  EXPECT_EQ(Key(GDK_KEY_Delete).ch, 0);
  EXPECT_EQ(Key(GDK_KEY_Home).key, VK_HOME);
  EXPECT_EQ(Key(GDK_KEY_End).key, VK_END);
  EXPECT_EQ(Key(GDK_KEY_Left).key, VK_LEFT);
  EXPECT_EQ(Key(GDK_KEY_Down).ch, 0);
}

TEST(TranslatedKeyTest, ModifiersAreReportedTogether) {
  const TranslatedKey key = Key(GDK_KEY_f, static_cast<GdkModifierType>(GDK_CONTROL_MASK | GDK_MOD1_MASK));
  EXPECT_EQ(key.key, 'F');
  EXPECT_TRUE(key.shift.Contains(TShiftState::Ctrl));
  EXPECT_TRUE(key.shift.Contains(TShiftState::Alt));
  EXPECT_FALSE(key.shift.Contains(TShiftState::Shift));
  EXPECT_TRUE(Key(GDK_KEY_f).shift.Empty());
}

TEST(TranslatedKeyTest, CzechLettersOnTheDigitRowAreTheDigitKeysTypingWindows1250) {
  const TranslatedKey e = Key(GDK_KEY_ecaron, kNone, GDK_KEY_2);
  EXPECT_EQ(e.key, '2');
  EXPECT_EQ(static_cast<unsigned char>(e.ch), 0xEC);
  const TranslatedKey z = Key(GDK_KEY_zcaron, kNone, GDK_KEY_6);
  EXPECT_EQ(z.key, '6');
  EXPECT_EQ(static_cast<unsigned char>(z.ch), 0x9E);
}

TEST(TranslatedKeyTest, CharactersOutsideTheCodePageTypeNothing) {
  EXPECT_EQ(Key(GDK_KEY_Cyrillic_zhe, kNone, GDK_KEY_semicolon).ch, 0);
  EXPECT_EQ(Key(GDK_KEY_Cyrillic_zhe, kNone, GDK_KEY_semicolon).key, 186);
  EXPECT_EQ(Key(GDK_KEY_question, GDK_SHIFT_MASK, GDK_KEY_slash).ch, '?');
}

TEST(TranslatedKeyTest, PunctuationKeysHaveTheirOwnCodes) {
  EXPECT_EQ(Key(GDK_KEY_period).key, 190);
  EXPECT_EQ(Key(GDK_KEY_period).ch, '.');
  EXPECT_EQ(Key(GDK_KEY_minus).key, 189);
  EXPECT_EQ(Key(GDK_KEY_slash).key, 191);
}
