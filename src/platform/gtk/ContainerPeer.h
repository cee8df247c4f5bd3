#pragma once
// A plain container (tool bar, control bar, panel): its children stand in a
// GtkFixed at their bounds.
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ContainerPeer : public GtkPeer {
 public:
  ContainerPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  GtkFixed* ChildArea() override { return GTK_FIXED(Widget()); }
};

}  // namespace platform::gtk
