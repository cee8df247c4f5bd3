#include "platform/gtk/CssColor.h"

#include "rtl/Rgb.h"

namespace platform::gtk {

std::string CssColor(Color color) {
  const Rgb rgb = Rgb::Of(color);
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

}  // namespace platform::gtk
