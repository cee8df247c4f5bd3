#pragma once
// A menu bar as the window system shows it.
#include <string>
#include <vector>

namespace platform {

struct MenuEntry {
  int commandId = 0;
  std::string caption;       // 8-bit; "&" marks the access key, "-" is a separator line
  std::string shortcutText;  // "F5", "Del", "F1" or empty
  int imageIndex = -1;       // into the menu's picture list
  bool enabled = true;
  std::vector<MenuEntry> children;
};

}  // namespace platform
