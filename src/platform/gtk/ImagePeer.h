#pragma once
// A picture, as large as its box allows; a click on it is reported.
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ImagePeer : public GtkPeer {
 public:
  ImagePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetBounds(const Rect& bounds) override;
  void SetPicture(const std::string& name) override;

 private:
  void Show();

  GtkWidget* image_;
  std::string picture_;
};

}  // namespace platform::gtk
