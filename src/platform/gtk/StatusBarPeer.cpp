#include "platform/gtk/StatusBarPeer.h"

namespace platform::gtk {

StatusBarPeer::StatusBarPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 2);
  gtk_style_context_add_class(gtk_widget_get_style_context(box), "kalnor-status");
  Adopt(box);
  ShowFace(box);
}

void StatusBarPeer::SetPanels(const std::vector<int>& widths) {
  GtkContainer* box = GTK_CONTAINER(Widget());
  GList* old = gtk_container_get_children(box);
  for (GList* child = old; child; child = child->next) gtk_widget_destroy(GTK_WIDGET(child->data));
  g_list_free(old);
  labels_.clear();
  for (size_t i = 0; i < widths.size(); ++i) {
    const bool last = i + 1 == widths.size();
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_frame_set_shadow_type(GTK_FRAME(frame), GTK_SHADOW_IN);
    GtkWidget* label = gtk_label_new("");
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
    gtk_container_add(GTK_CONTAINER(frame), label);
    if (!last) gtk_widget_set_size_request(frame, widths[i] - 2, -1);
    gtk_box_pack_start(GTK_BOX(box), frame, last, last, 0);
    labels_.push_back(label);
  }
  gtk_widget_show_all(Widget());
}

void StatusBarPeer::SetPanelText(int index, const std::string& text) {
  if (index >= 0 && index < static_cast<int>(labels_.size()))
    gtk_label_set_text(GTK_LABEL(labels_[index]), ToGtk(text).c_str());
}

}  // namespace platform::gtk
