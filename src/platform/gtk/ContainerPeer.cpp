#include "platform/gtk/ContainerPeer.h"

#include "platform/gtk/PlacementArea.h"

namespace platform::gtk {

ContainerPeer::ContainerPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  Adopt(PlacementArea::New());
  ShowFace(Widget());
}

}  // namespace platform::gtk
