#include "platform/gtk/FileUri.h"

#include <gio/gio.h>

namespace platform::gtk {

std::string FileUri(const std::string& path) {
  GFile* file = g_file_new_for_path(path.c_str());
  char* uri = g_file_get_uri(file);
  std::string result = uri;
  g_free(uri);
  g_object_unref(file);
  return result;
}

}  // namespace platform::gtk
