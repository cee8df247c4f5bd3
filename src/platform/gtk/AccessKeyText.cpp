#include "platform/gtk/AccessKeyText.h"

#include "platform/gtk/GtkPeer.h"
#include "rtl/AccessKeyCaption.h"

namespace platform::gtk {

gunichar AccessKeyText::KeyOf(const std::string& caption) {
  const AccessKeyCaption parsed = AccessKeyCaption::Parse(caption);
  if (parsed.keyIndex < 0) return 0;
  return g_unichar_tolower(g_utf8_get_char(ToGtk(parsed.text.substr(parsed.keyIndex, 1)).c_str()));
}

void AccessKeyText::Show(GtkLabel* label, const std::string& caption) {
  const AccessKeyCaption parsed = AccessKeyCaption::Parse(caption);
  gtk_label_set_text(label, ToGtk(parsed.text).c_str());
  // One 8-bit character is one character on screen, so the index carries over.
  std::string pattern;
  if (parsed.keyIndex >= 0) pattern = std::string(parsed.keyIndex, ' ') + "_";
  gtk_label_set_pattern(label, pattern.c_str());
}

}  // namespace platform::gtk
