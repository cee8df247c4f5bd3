#include "platform/gtk/ImagePeer.h"

#include <algorithm>

#include "platform/gtk/GtkWindowSystem.h"

namespace platform::gtk {

ImagePeer::ImagePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), image_(gtk_image_new()) {
  GtkWidget* box = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(box), FALSE);
  gtk_container_add(GTK_CONTAINER(box), image_);
  gtk_widget_show_all(box);
  Adopt(box);
  ReportClicks(box);
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
  gtk_image_set_from_pixbuf(GTK_IMAGE(image_), system_.Pictures().Get(picture_, size));
}

}  // namespace platform::gtk
