#include "platform/gtk/PictureStore.h"

namespace platform::gtk {

namespace {

// The sizes the controls ask for come drawn as PNGs at build time, which
// decode far faster than the SVG renders; any other size is drawn from the
// SVG. A missing picture leaves the control without one rather than failing.
GdkPixbuf* Load(const std::string& name, int size) {
  const std::string base = PictureStore::kResourceFolder + name;
  const std::string drawn = base + (size == PictureStore::kOwnSize ? "" : "-" + std::to_string(size)) + ".png";
  if (GdkPixbuf* pixbuf = gdk_pixbuf_new_from_resource(drawn.c_str(), nullptr)) return pixbuf;
  return gdk_pixbuf_new_from_resource_at_scale((base + ".svg").c_str(), size, size, TRUE, nullptr);
}

}  // namespace

PictureStore::~PictureStore() {
  for (auto& [key, pixbuf] : cache_)
    if (pixbuf) g_object_unref(pixbuf);
}

GdkPixbuf* PictureStore::Get(const std::string& name, int size) {
  const auto key = std::make_pair(name, size);
  if (auto it = cache_.find(key); it != cache_.end()) return it->second;
  GdkPixbuf* pixbuf = Load(name, size);
  cache_[key] = pixbuf;
  return pixbuf;
}

}  // namespace platform::gtk
