#include "platform/gtk/PictureStore.h"

namespace platform::gtk {

PictureStore::~PictureStore() {
  for (auto& [key, pixbuf] : cache_)
    if (pixbuf) g_object_unref(pixbuf);
}

GdkPixbuf* PictureStore::Get(const std::string& name, int size) {
  const auto key = std::make_pair(name, size);
  if (auto it = cache_.find(key); it != cache_.end()) return it->second;
  const std::string path = kResourceFolder + name + ".svg";
  // A missing picture leaves the control without one rather than failing.
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_resource_at_scale(path.c_str(), size, size, TRUE, nullptr);
  cache_[key] = pixbuf;
  return pixbuf;
}

}  // namespace platform::gtk
