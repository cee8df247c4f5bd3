#include "platform/gtk/AccessKeyText.h"

#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

AccessKeyText AccessKeyText::Parse(const std::string& caption) {
  AccessKeyText result;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != '&' && result.underline < 0) result.underline = static_cast<int>(result.text.size());
    }
    result.text += caption[i];
  }
  return result;
}

gunichar AccessKeyText::Key() const {
  if (underline < 0) return 0;
  return g_unichar_tolower(g_utf8_get_char(ToGtk(text.substr(underline, 1)).c_str()));
}

void AccessKeyText::Show(GtkLabel* label, const std::string& caption) {
  const AccessKeyText parsed = Parse(caption);
  gtk_label_set_text(label, ToGtk(parsed.text).c_str());
  // One 8-bit character is one character on screen, so the index carries over.
  std::string pattern;
  if (parsed.underline >= 0) pattern = std::string(parsed.underline, ' ') + "_";
  gtk_label_set_pattern(label, pattern.c_str());
}

}  // namespace platform::gtk
