#include "rtl/CurrentDirGuard.h"

CurrentDirGuard::CurrentDirGuard(const std::string& path) : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(path);
}

CurrentDirGuard::~CurrentDirGuard() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}
