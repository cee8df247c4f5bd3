#pragma once
// A colour of the class library as GTK's style sheets write it.
#include <string>

#include "platform/Canvas.h"

namespace platform::gtk {

std::string CssColor(Color color);

}  // namespace platform::gtk
