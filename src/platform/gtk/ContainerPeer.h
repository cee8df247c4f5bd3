#pragma once
// A plain container (tool bar, control bar, panel): its children stand in a
// placement area at their bounds.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ContainerPeer : public GtkPeer, public IContainerPeer {
 public:
  ContainerPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  GtkWidget* ChildArea() override { return Widget(); }
  // It never floats, so it has no tool window to show a caption on.
  void SetCaption(const std::string& /*caption*/) override {}
};

}  // namespace platform::gtk
