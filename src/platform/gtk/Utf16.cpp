#include "platform/gtk/Utf16.h"

#include <glib.h>

namespace platform::gtk {

std::string Utf16ToUtf8(std::u16string_view text) {
  gchar* utf8 = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(text.data()), static_cast<glong>(text.size()),
                                nullptr, nullptr, nullptr);
  std::string result = utf8 ? utf8 : "";
  g_free(utf8);
  return result;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  glong length = 0;
  gunichar2* utf16 = g_utf8_to_utf16(text.data(), static_cast<glong>(text.size()), nullptr, &length, nullptr);
  std::u16string result = utf16 ? std::u16string(reinterpret_cast<const char16_t*>(utf16), length) : u"";
  g_free(utf16);
  return result;
}

}  // namespace platform::gtk
