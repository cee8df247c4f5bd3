#include "platform/gtk/MemoPeer.h"

#include <string>

namespace platform::gtk {

MemoPeer::MemoPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), view_(gtk_text_view_new()) {
  gtk_text_view_set_editable(GTK_TEXT_VIEW(view_), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view_), GTK_WRAP_WORD);
  AdoptScrolled(view_);
}

void MemoPeer::SetText(const std::string& text) {
  std::string lines = ToGtk(text);
  std::erase(lines, '\r');  // line ends arrive as CR LF
  gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view_)), lines.c_str(), -1);
}

}  // namespace platform::gtk
