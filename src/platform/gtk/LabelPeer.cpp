#include "platform/gtk/LabelPeer.h"

#include <cstdlib>

#include "platform/gtk/AccessKeyText.h"
#include "rtl/Rgb.h"

namespace platform::gtk {

namespace {

GtkWidget* NewLabel() {
  GtkWidget* label = gtk_label_new("");
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_label_set_yalign(GTK_LABEL(label), 0);
  return label;
}

void ShowFont(GtkLabel* label, const FontSpec& font) {
  PangoAttrList* attributes = pango_attr_list_new();
  pango_attr_list_insert(attributes, pango_attr_family_new(font.name.c_str()));
  pango_attr_list_insert(attributes, pango_attr_size_new_absolute(std::abs(font.height) * PANGO_SCALE));
  if (font.bold) pango_attr_list_insert(attributes, pango_attr_weight_new(PANGO_WEIGHT_BOLD));
  if (font.underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  // Pango's channels run to 65535, which is 255 * 257.
  const auto pango = [](std::uint8_t channel) { return static_cast<guint16>(channel * 257); };
  const Rgb rgb = Rgb::Of(font.color);
  pango_attr_list_insert(attributes, pango_attr_foreground_new(pango(rgb.red), pango(rgb.green), pango(rgb.blue)));
  gtk_label_set_attributes(label, attributes);
  pango_attr_list_unref(attributes);
}

}  // namespace

LabelPeer::LabelPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), label_(NewLabel()) {
  GtkWidget* box = gtk_event_box_new();
  gtk_event_box_set_visible_window(GTK_EVENT_BOX(box), FALSE);
  gtk_container_add(GTK_CONTAINER(box), label_);
  gtk_widget_show_all(box);
  gtk_widget_add_events(box, GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK);
  Adopt(box);
  ReportClicks(box);

  g_signal_connect(box, "enter-notify-event", G_CALLBACK(OnCrossingEvent), this);
  g_signal_connect(box, "leave-notify-event", G_CALLBACK(OnCrossingEvent), this);
  ShowFace(box);
}

void LabelPeer::SetCaption(const std::string& caption) { AccessKeyText::Show(GTK_LABEL(label_), caption); }

void LabelPeer::SetFont(const FontSpec& font) { ShowFont(GTK_LABEL(label_), font); }

void LabelPeer::SetWordWrap(bool wordWrap) { gtk_label_set_line_wrap(GTK_LABEL(label_), wordWrap); }

Size LabelPeer::Measure(const std::string& caption, const FontSpec& font, int wrapWidth) {
  // A label of its own, made like the ones shown, so the two always agree.
  GtkWidget* label = GTK_WIDGET(g_object_ref_sink(NewLabel()));
  gtk_widget_show(label);  // a hidden widget takes no room
  AccessKeyText::Show(GTK_LABEL(label), caption);
  ShowFont(GTK_LABEL(label), font);
  Size size{wrapWidth, 0};
  if (wrapWidth > 0) {
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_widget_get_preferred_height_for_width(label, wrapWidth, nullptr, &size.height);
  } else {
    gtk_widget_get_preferred_width(label, nullptr, &size.width);
    gtk_widget_get_preferred_height(label, nullptr, &size.height);
  }
  g_object_unref(label);
  return size;
}

gboolean LabelPeer::OnCrossingEvent(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  // Moving between the label's own windows is neither coming nor going.
  if (event->detail == GDK_NOTIFY_INFERIOR) return FALSE;
  auto* label = static_cast<LabelPeer*>(self);
  if (event->type == GDK_ENTER_NOTIFY)
    label->Report(MouseEnter{});
  else
    label->Report(MouseLeave{});
  return FALSE;
}

}  // namespace platform::gtk
