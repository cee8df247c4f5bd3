#include "platform/gtk/PictureStore.h"

#include <algorithm>

namespace platform::gtk {

namespace {

// Decoded as the PNG it is: for pictures this small, having GDK guess the
// format takes longer than the decoding.
GdkPixbuf* LoadPng(const std::string& path) {
  GBytes* bytes = g_resources_lookup_data(path.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (!bytes) return nullptr;
  GdkPixbuf* pixbuf = nullptr;
  if (GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("png", nullptr)) {
    gsize length = 0;
    const auto* data = static_cast<const guchar*>(g_bytes_get_data(bytes, &length));
    const bool written = gdk_pixbuf_loader_write(loader, data, length, nullptr);
    if (gdk_pixbuf_loader_close(loader, nullptr) && written) pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
    if (pixbuf) g_object_ref(pixbuf);
    g_object_unref(loader);
  }
  g_bytes_unref(bytes);
  return pixbuf;
}

// The sizes the controls ask for come drawn as PNGs at build time, which
// decode far faster than the SVG renders; any other size is drawn from the
// SVG. A missing picture leaves the control without one rather than failing.
GdkPixbuf* Load(const std::string& name, int size) {
  const std::string base = PictureStore::kResourceFolder + name;
  if (GdkPixbuf* pixbuf = LoadPng(base + (size == PictureStore::kOwnSize ? "" : "-" + std::to_string(size)) + ".png"))
    return pixbuf;
  return gdk_pixbuf_new_from_resource_at_scale((base + ".svg").c_str(), size, size, TRUE, nullptr);
}

int LongerSide(GdkPixbuf* pixbuf) { return std::max(gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf)); }

}  // namespace

PictureStore::~PictureStore() {
  for (auto& [key, pixbuf] : cache_)
    if (pixbuf) g_object_unref(pixbuf);
}

GdkPixbuf* PictureStore::Get(const std::string& name, int size) {
  const auto key = std::make_pair(name, size);
  if (auto it = cache_.find(key); it != cache_.end()) return it->second;
  // Asked for at the size it was drawn, it is the one already loaded.
  const auto drawn = cache_.find(std::make_pair(name, kOwnSize));
  const bool asDrawn = drawn != cache_.end() && drawn->second && LongerSide(drawn->second) == size;
  GdkPixbuf* pixbuf = asDrawn ? GDK_PIXBUF(g_object_ref(drawn->second)) : Load(name, size);
  cache_[key] = pixbuf;
  return pixbuf;
}

}  // namespace platform::gtk
