#pragma once
// Captions with an access key: "&Soubor" shows "Soubor" with the S underlined.
// The key itself is the class library's; GTK only draws the underline, except
// in an open menu, which takes its items' keys itself.
#include <gtk/gtk.h>

#include <string>

namespace platform::gtk {

struct AccessKeyText {
  std::string text;   // 8-bit, without the markers
  int underline = -1; // the character under the line, or -1

  static AccessKeyText Parse(const std::string& caption);
  // The underlined character in lower case, as GTK names characters; 0 when none.
  gunichar Key() const;
  // Shows the caption in the label.
  static void Show(GtkLabel* label, const std::string& caption);
};

}  // namespace platform::gtk
