#pragma once
// A GDK key event as the class library sees keys: a virtual-key code, the
// modifiers held and the typed character as one Windows-1250 byte.
#include <gdk/gdk.h>

#include "platform/Keys.h"

namespace platform::gtk {

struct TranslatedKey {
  Word key = 0;
  TShiftState shift;
  char ch = 0;  // 0 when the key types nothing the code page holds

  // keyval is what the key types now; baseKeyval what the same physical key
  // types in the first layout with no modifier, for keys that have no code of
  // their own (a Czech "ě" on the digit row is the key 2).
  static TranslatedKey From(guint keyval, guint baseKeyval, GdkModifierType state);
  static TranslatedKey From(const GdkEventKey& event);
};

}  // namespace platform::gtk
