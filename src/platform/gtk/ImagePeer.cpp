#include "platform/gtk/ImagePeer.h"

#include <algorithm>

#include "platform/gtk/GtkWindowSystem.h"

namespace platform::gtk {

ImagePeer::ImagePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  Adopt(gtk_image_new());
}

void ImagePeer::SetBounds(const Rect& bounds) {
  GtkPeer::SetBounds(bounds);
  Show();
}

void ImagePeer::SetPicture(const std::string& name) {
  picture_ = name;
  Show();
}

void ImagePeer::Show() {
  const int size = std::min(Bounds().width, Bounds().height);
  if (picture_.empty() || size <= 0) return;
  gtk_image_set_from_pixbuf(GTK_IMAGE(Widget()), system_.Pictures().Get(picture_, size));
}

}  // namespace platform::gtk
