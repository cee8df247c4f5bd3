#pragma once
// A picture at the size it was drawn, in the top-left corner of its box; a
// click on it is reported.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ImagePeer : public GtkPeer, public IImagePeer {
 public:
  ImagePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetPicture(const std::string& name) override;

 private:
  GtkWidget* image_;
};

}  // namespace platform::gtk
