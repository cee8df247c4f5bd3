#include "platform/gtk/TranslatedKey.h"

#include <string>

#include "rtl/CodePage.h"

namespace platform::gtk {

namespace {

struct KeyCode {
  guint keyval;
  Word key;
  char ch;
};

constexpr KeyCode kKeys[] = {
    {GDK_KEY_BackSpace, VK_BACK, '\b'},   {GDK_KEY_Tab, VK_TAB, '\t'},
    {GDK_KEY_ISO_Left_Tab, VK_TAB, '\t'}, {GDK_KEY_Return, VK_RETURN, '\r'},
    {GDK_KEY_KP_Enter, VK_RETURN, '\r'},  {GDK_KEY_ISO_Enter, VK_RETURN, '\r'},
    {GDK_KEY_Escape, VK_ESCAPE, '\x1b'},  {GDK_KEY_space, VK_SPACE, ' '},
    {GDK_KEY_Page_Up, VK_PRIOR, 0},       {GDK_KEY_Page_Down, VK_NEXT, 0},
    {GDK_KEY_End, VK_END, 0},             {GDK_KEY_Home, VK_HOME, 0},
    {GDK_KEY_Left, VK_LEFT, 0},           {GDK_KEY_Up, VK_UP, 0},
    {GDK_KEY_Right, VK_RIGHT, 0},         {GDK_KEY_Down, VK_DOWN, 0},
    {GDK_KEY_Insert, VK_INSERT, 0},       {GDK_KEY_Delete, VK_DELETE, 0},
    {GDK_KEY_KP_Delete, VK_DELETE, 0},    {GDK_KEY_KP_Home, VK_HOME, 0},
    {GDK_KEY_KP_End, VK_END, 0},          {GDK_KEY_KP_Left, VK_LEFT, 0},
    {GDK_KEY_KP_Up, VK_UP, 0},            {GDK_KEY_KP_Right, VK_RIGHT, 0},
    {GDK_KEY_KP_Down, VK_DOWN, 0},        {GDK_KEY_Shift_L, VK_SHIFT, 0},
    {GDK_KEY_Shift_R, VK_SHIFT, 0},       {GDK_KEY_Control_L, VK_CONTROL, 0},
    {GDK_KEY_Control_R, VK_CONTROL, 0},   {GDK_KEY_Alt_L, VK_MENU, 0},
    {GDK_KEY_Alt_R, VK_MENU, 0},          {GDK_KEY_ISO_Level3_Shift, VK_MENU, 0},
};

// The punctuation keys of a US keyboard.
constexpr KeyCode kPunctuation[] = {
    {GDK_KEY_semicolon, VK_OEM_1, 0},        {GDK_KEY_equal, VK_OEM_PLUS, 0},
    {GDK_KEY_comma, VK_OEM_COMMA, 0},        {GDK_KEY_minus, VK_OEM_MINUS, 0},
    {GDK_KEY_period, VK_OEM_PERIOD, 0},      {GDK_KEY_slash, VK_OEM_2, 0},
    {GDK_KEY_grave, VK_OEM_3, 0},            {GDK_KEY_bracketleft, VK_OEM_4, 0},
    {GDK_KEY_backslash, VK_OEM_5, 0},        {GDK_KEY_bracketright, VK_OEM_6, 0},
    {GDK_KEY_apostrophe, VK_OEM_7, 0},
};

const KeyCode* Find(guint keyval) {
  for (const KeyCode& k : kKeys)
    if (k.keyval == keyval) return &k;
  return nullptr;
}

// The code of a key that types a letter, a digit or punctuation; 0 when none.
Word CodeOfSymbol(guint keyval) {
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return static_cast<Word>(VK_F1 + (keyval - GDK_KEY_F1));
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return static_cast<Word>('A' + (keyval - GDK_KEY_a));
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return static_cast<Word>(keyval);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return static_cast<Word>(keyval);
  if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9) return static_cast<Word>(VK_NUMPAD0 + (keyval - GDK_KEY_KP_0));
  for (const KeyCode& k : kPunctuation)
    if (k.keyval == keyval) return k.key;
  return 0;
}

// The typed character in the code page; 0 when it has none.
char CharOf(guint keyval) {
  const gunichar c = gdk_keyval_to_unicode(keyval);
  if (c == 0 || c < ' ') return 0;
  char utf8[8] = {};
  const int length = g_unichar_to_utf8(c, utf8);
  const std::string ansi = Utf8ToAnsi({utf8, static_cast<size_t>(length)});
  if (ansi.size() != 1 || (ansi[0] == '?' && c != '?')) return 0;
  return ansi[0];
}

TShiftState ShiftOf(GdkModifierType state) {
  TShiftState shift;
  if (state & GDK_SHIFT_MASK) shift = shift | TShiftState::Shift;
  if (state & GDK_CONTROL_MASK) shift = shift | TShiftState::Ctrl;
  if (state & GDK_MOD1_MASK) shift = shift | TShiftState::Alt;
  return shift;
}

}  // namespace

TranslatedKey TranslatedKey::From(guint keyval, guint baseKeyval, GdkModifierType state) {
  TranslatedKey result;
  result.shift = ShiftOf(state);
  if (const KeyCode* known = Find(keyval)) {
    result.key = known->key;
    result.ch = known->ch;
    return result;
  }
  result.key = CodeOfSymbol(keyval);
  if (result.key == 0) result.key = CodeOfSymbol(baseKeyval);
  if (keyval < GDK_KEY_F1 || keyval > GDK_KEY_F24) result.ch = CharOf(keyval);
  return result;
}

TranslatedKey TranslatedKey::From(const GdkEventKey& event) {
  guint base = 0;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event.window));
  gdk_keymap_translate_keyboard_state(keymap, event.hardware_keycode, static_cast<GdkModifierType>(0), 0, &base,
                                      nullptr, nullptr, nullptr);
  return From(event.keyval, base, static_cast<GdkModifierType>(event.state));
}

}  // namespace platform::gtk
