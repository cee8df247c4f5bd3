#include "platform/gtk/ImagePeer.h"

#include "platform/gtk/GtkWindowSystem.h"

namespace platform::gtk {

ImagePeer::ImagePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), image_(gtk_image_new()) {
  gtk_widget_set_halign(image_, GTK_ALIGN_START);
  gtk_widget_set_valign(image_, GTK_ALIGN_START);
  GtkWidget* box = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(box), FALSE);
  gtk_container_add(GTK_CONTAINER(box), image_);
  gtk_widget_show_all(box);
  Adopt(box);
  ReportClicks(box);
}

void ImagePeer::SetPicture(const std::string& name) {
  gtk_image_set_from_pixbuf(GTK_IMAGE(image_), system_.Pictures().Get(name, PictureStore::kOwnSize));
}

}  // namespace platform::gtk
