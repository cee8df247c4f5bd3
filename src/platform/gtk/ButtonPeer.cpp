#include "platform/gtk/ButtonPeer.h"

#include "platform/gtk/AccessKeyText.h"
#include "platform/gtk/GtkWindowSystem.h"

namespace platform::gtk {

namespace {

constexpr int kButtonPictureSize = 16;
constexpr int kToolPictureSize = 20;

}  // namespace

ButtonPeer::ButtonPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener, bool speedButton)
    : GtkPeer(system, parent, listener), speedButton_(speedButton) {
  GtkWidget* button = gtk_button_new();
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 4);
  gtk_widget_set_halign(box, GTK_ALIGN_CENTER);
  image_ = gtk_image_new();
  label_ = gtk_label_new("");
  gtk_box_pack_start(GTK_BOX(box), image_, FALSE, FALSE, 0);
  gtk_box_pack_start(GTK_BOX(box), label_, FALSE, FALSE, 0);
  gtk_container_add(GTK_CONTAINER(button), box);
  gtk_widget_show_all(box);
  // Shown empty, the picture would still take room: a button with only a
  // caption would grow wider than designed, its caption off centre.
  gtk_widget_hide(image_);
  gtk_widget_hide(label_);
  if (speedButton_) {
    gtk_button_set_relief(GTK_BUTTON(button), GTK_RELIEF_NONE);
    gtk_widget_set_can_focus(button, FALSE);
  }
  Adopt(button);

  g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), this);
}

void ButtonPeer::SetCaption(const std::string& caption) {
  AccessKeyText::Show(GTK_LABEL(label_), caption);
  gtk_widget_set_visible(label_, !speedButton_ && !caption.empty());
}

// Button pictures are drawn to be shown at the button's standard size; one
// drawn larger is a glyph of its own and keeps its size.
void ButtonPeer::SetPicture(const std::string& name) {
  GdkPixbuf* picture = system_.Pictures().Get(name, PictureStore::kOwnSize);
  if (!picture || gdk_pixbuf_get_width(picture) <= kToolPictureSize)
    picture = system_.Pictures().Get(name, speedButton_ ? kToolPictureSize : kButtonPictureSize);
  gtk_image_set_from_pixbuf(GTK_IMAGE(image_), picture);
  gtk_widget_set_visible(image_, picture != nullptr);
}

void ButtonPeer::OnClicked(GtkButton*, gpointer self) { static_cast<ButtonPeer*>(self)->Report(Click{}); }

}  // namespace platform::gtk
