#include "platform/gtk/PictureStore.h"

#include <glib.h>

namespace platform::gtk {

namespace {

std::string FolderBesideExecutable() {
  char* exe = g_file_read_link("/proc/self/exe", nullptr);
  if (!exe) return "pictures";
  char* dir = g_path_get_dirname(exe);
  char* folder = g_build_filename(dir, "pictures", nullptr);
  std::string result = folder;
  g_free(folder);
  g_free(dir);
  g_free(exe);
  return result;
}

}  // namespace

PictureStore::PictureStore() : folder_(FolderBesideExecutable()) {}

PictureStore::~PictureStore() {
  for (auto& [key, pixbuf] : cache_)
    if (pixbuf) g_object_unref(pixbuf);
}

GdkPixbuf* PictureStore::Get(const std::string& name, int size) {
  const auto key = std::make_pair(name, size);
  if (auto it = cache_.find(key); it != cache_.end()) return it->second;
  const std::string file = name + ".svg";
  char* path = g_build_filename(folder_.c_str(), file.c_str(), nullptr);
  // A missing picture leaves the control without one rather than failing.
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file_at_size(path, size, size, nullptr);
  g_free(path);
  cache_[key] = pixbuf;
  return pixbuf;
}

}  // namespace platform::gtk
