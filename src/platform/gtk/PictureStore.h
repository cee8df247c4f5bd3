#pragma once
// The program's pictures, drawn for it as SVG and compiled into it as a
// resource together with PNGs of them at the sizes the controls use (see
// src/app/Pictures.cmake); loaded once per size.
#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <map>
#include <string>
#include <utility>

namespace platform::gtk {

class PictureStore {
 public:
  // Where the pictures are in the program's resources, as "<name>.svg".
  static constexpr const char* kResourceFolder = "/cz/wz/kalnor/pictures/";

  PictureStore() = default;
  ~PictureStore();
  PictureStore(const PictureStore&) = delete;
  PictureStore& operator=(const PictureStore&) = delete;

  // Asks for a picture at the size it was drawn.
  static constexpr int kOwnSize = -1;

  // The picture scaled to size x size, or at kOwnSize; null when there is no
  // such picture. The store keeps it.
  GdkPixbuf* Get(const std::string& name, int size);
  // The same picture as an image surface, which GTK draws as it is: given a
  // pixbuf, GTK first converts it for the window it shows in, asking the X
  // server about that window while the window is first laid out.
  cairo_surface_t* Surface(const std::string& name, int size);

 private:
  using Key = std::pair<std::string, int>;
  std::map<Key, GdkPixbuf*> pixbufs_;
  std::map<Key, cairo_surface_t*> surfaces_;
};

}  // namespace platform::gtk
