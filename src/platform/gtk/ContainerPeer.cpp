#include "platform/gtk/ContainerPeer.h"

namespace platform::gtk {

ContainerPeer::ContainerPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  Adopt(gtk_fixed_new());
}

}  // namespace platform::gtk
