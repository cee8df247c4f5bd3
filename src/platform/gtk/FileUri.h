#pragma once
// A file's path as the address GIO and GTK take; a relative path is taken
// from the current folder.
#include <string>

namespace platform::gtk {

std::string FileUri(const std::string& path);

}  // namespace platform::gtk
