#include "platform/gtk/LabelPeer.h"

#include <cstdlib>

#include "platform/gtk/AccessKeyText.h"

namespace platform::gtk {

LabelPeer::LabelPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), label_(gtk_label_new("")) {
  gtk_label_set_xalign(GTK_LABEL(label_), 0);
  gtk_label_set_yalign(GTK_LABEL(label_), 0);
  gtk_label_set_line_wrap(GTK_LABEL(label_), TRUE);
  GtkWidget* box = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(box), FALSE);
  gtk_container_add(GTK_CONTAINER(box), label_);
  gtk_widget_show_all(box);
  Adopt(box);
  ReportClicks(box);
}

void LabelPeer::SetCaption(const std::string& caption) { AccessKeyText::Show(GTK_LABEL(label_), caption); }

void LabelPeer::SetFont(const FontSpec& font) {
  PangoAttrList* attributes = pango_attr_list_new();
  pango_attr_list_insert(attributes, pango_attr_family_new(font.name.c_str()));
  pango_attr_list_insert(attributes, pango_attr_size_new_absolute(std::abs(font.height) * PANGO_SCALE));
  if (font.bold) pango_attr_list_insert(attributes, pango_attr_weight_new(PANGO_WEIGHT_BOLD));
  if (font.underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  const auto channel = [&](int shift) { return static_cast<guint16>(((font.color >> shift) & 0xFF) * 257); };
  pango_attr_list_insert(attributes, pango_attr_foreground_new(channel(0), channel(8), channel(16)));
  gtk_label_set_attributes(GTK_LABEL(label_), attributes);
  pango_attr_list_unref(attributes);
}

}  // namespace platform::gtk
