#pragma once
// What a window system needs to show text in a control's font.
#include <string>

#include "platform/Canvas.h"

namespace platform {

struct FontSpec {
  std::string name = "MS Sans Serif";
  int height = -11;  // negative: character height in pixels
  Color color = 0;
  bool bold = false;
  bool underline = false;
};

}  // namespace platform
