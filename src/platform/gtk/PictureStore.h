#pragma once
// The program's pictures, drawn for it as SVG and compiled into it as a
// resource together with PNGs of them at the sizes the controls use (see
// src/app/Pictures.cmake); loaded once per size.
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

 private:
  std::map<std::pair<std::string, int>, GdkPixbuf*> cache_;
};

}  // namespace platform::gtk
