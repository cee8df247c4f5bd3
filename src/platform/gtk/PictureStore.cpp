#include "platform/gtk/PictureStore.h"

#include <gdk/gdk.h>

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

// Drawn in memory: GDK's own conversion would make the surface for the
// screen's root window, asking the X server about it.
cairo_surface_t* ImageSurface(GdkPixbuf* pixbuf) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf));
  cairo_t* cr = cairo_create(surface);
  gdk_cairo_set_source_pixbuf(cr, pixbuf, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  return surface;
}

}  // namespace

PictureStore::~PictureStore() {
  for (auto& [key, surface] : surfaces_)
    if (surface) cairo_surface_destroy(surface);
  for (auto& [key, pixbuf] : pixbufs_)
    if (pixbuf) g_object_unref(pixbuf);
}

GdkPixbuf* PictureStore::Get(const std::string& name, int size) {
  const Key key{name, size};
  if (auto it = pixbufs_.find(key); it != pixbufs_.end()) return it->second;
  GdkPixbuf* pixbuf = Load(name, size);
  pixbufs_[key] = pixbuf;
  return pixbuf;
}

cairo_surface_t* PictureStore::Surface(const std::string& name, int size) {
  const Key key{name, size};
  if (auto it = surfaces_.find(key); it != surfaces_.end()) return it->second;
  GdkPixbuf* pixbuf = Get(name, size);
  cairo_surface_t* surface = pixbuf ? ImageSurface(pixbuf) : nullptr;
  surfaces_[key] = surface;
  return surface;
}

}  // namespace platform::gtk
