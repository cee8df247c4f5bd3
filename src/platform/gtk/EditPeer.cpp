#include "platform/gtk/EditPeer.h"

namespace platform::gtk {

EditPeer::EditPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  GtkWidget* entry = gtk_entry_new();
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  Adopt(entry);
  mirror_ = std::make_unique<EntryMirror>(GTK_ENTRY(entry), [this](const EditChanged& e) { Report(e); });
}

}  // namespace platform::gtk
