#pragma once
// Read-only text of several lines in a scrolled, sunken box.
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class MemoPeer : public GtkPeer {
 public:
  MemoPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetText(const std::string& text) override;

 private:
  GtkWidget* view_;
};

}  // namespace platform::gtk
