#pragma once
// A plain container (tool bar, control bar, panel): its children stand in a
// placement area at their bounds.
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ContainerPeer : public GtkPeer {
 public:
  ContainerPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  GtkWidget* ChildArea() override { return Widget(); }
};

}  // namespace platform::gtk
