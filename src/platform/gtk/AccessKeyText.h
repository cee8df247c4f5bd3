#pragma once
// Captions with an access key: "&Soubor" shows "Soubor" with the S underlined.
// The key itself is the class library's; GTK only draws the underline, except
// in an open menu, which takes its items' keys itself.
#include <gtk/gtk.h>

#include <string>

namespace platform::gtk {

struct AccessKeyText {
  // The key's character in lower case, as GTK names characters; 0 when none.
  static gunichar KeyOf(const std::string& caption);
  // Shows the caption in the label.
  static void Show(GtkLabel* label, const std::string& caption);
};

}  // namespace platform::gtk
