#pragma once
// The program's pictures, drawn for it and shipped as SVG files in the
// "pictures" folder beside the executable; loaded once per size.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <map>
#include <string>
#include <utility>

namespace platform::gtk {

class PictureStore {
 public:
  // The folder beside the running executable.
  PictureStore();
  explicit PictureStore(std::string folder) : folder_(std::move(folder)) {}
  ~PictureStore();
  PictureStore(const PictureStore&) = delete;
  PictureStore& operator=(const PictureStore&) = delete;

  // Asks for a picture at the size it was drawn.
  static constexpr int kOwnSize = -1;

  // The picture scaled to size x size, or at kOwnSize; null when there is no
  // such picture. The store keeps it.
  GdkPixbuf* Get(const std::string& name, int size);

 private:
  std::string folder_;
  std::map<std::pair<std::string, int>, GdkPixbuf*> cache_;
};

}  // namespace platform::gtk
