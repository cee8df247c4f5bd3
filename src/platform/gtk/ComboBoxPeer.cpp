#include "platform/gtk/ComboBoxPeer.h"

#include "platform/gtk/GtkWindowSystem.h"

namespace platform::gtk {

ComboBoxPeer::ComboBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener),
      entry_(gtk_entry_new()),
      arrow_(gtk_toggle_button_new()),
      dropDown_({[this](int index) { Report(ItemSelected{index}); }, [this] { ClosedByUser(); }}) {
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0);
  gtk_style_context_add_class(gtk_widget_get_style_context(box), GTK_STYLE_CLASS_LINKED);
  gtk_entry_set_width_chars(GTK_ENTRY(entry_), 1);
  // One of the program's own pictures: the theme's icon would load the whole
  // icon theme before the first window shows.
  gtk_container_add(GTK_CONTAINER(arrow_),
                    gtk_image_new_from_pixbuf(system_.Pictures().Get("drop-down", PictureStore::kOwnSize)));
  gtk_widget_set_focus_on_click(arrow_, FALSE);
  gtk_widget_set_can_focus(arrow_, FALSE);
  gtk_box_pack_start(GTK_BOX(box), entry_, TRUE, TRUE, 0);
  gtk_box_pack_end(GTK_BOX(box), arrow_, FALSE, FALSE, 0);
  gtk_widget_show_all(box);
  atk_object_set_role(gtk_widget_get_accessible(box), ATK_ROLE_COMBO_BOX);
  Adopt(box);
  SetFocusWidget(entry_);
  mirror_ = std::make_unique<EntryMirror>(GTK_ENTRY(entry_), [this](const EditChanged& e) { Report(e); });

  g_signal_connect(arrow_, "button-press-event", G_CALLBACK(OnArrowButtonPressEvent), this);
  g_signal_connect(entry_, "key-press-event", G_CALLBACK(OnEntryKeyPressEvent), this);
}

ComboBoxPeer::~ComboBoxPeer() {
  g_signal_handlers_disconnect_by_data(arrow_, this);
  g_signal_handlers_disconnect_by_data(entry_, this);
}

void ComboBoxPeer::SetDroppedDown(bool dropped) {
  if (dropped)
    dropDown_.Open(Widget());
  else
    dropDown_.Close();
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(arrow_), dropDown_.IsOpen());
}

void ComboBoxPeer::OpenByUser() {
  SetDroppedDown(true);
  Report(DropDown{true});
}

void ComboBoxPeer::ClosedByUser() {
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(arrow_), FALSE);
  Report(DropDown{false});
}

// The list opens as the button goes down, so that the same press can be
// dragged onto an entry.
gboolean ComboBoxPeer::OnArrowButtonPressEvent(GtkWidget*, GdkEventButton* event, gpointer self) {
  if (event->button != 1 || event->type != GDK_BUTTON_PRESS) return FALSE;
  auto* combo = static_cast<ComboBoxPeer*>(self);
  gtk_widget_grab_focus(combo->entry_);
  combo->OpenByUser();
  return TRUE;
}

// Keys the class library left alone: Alt+Down and F4 open the list.
gboolean ComboBoxPeer::OnEntryKeyPressEvent(GtkWidget*, GdkEventKey* event, gpointer self) {
  const bool altDown =
      (event->state & GDK_MOD1_MASK) && (event->keyval == GDK_KEY_Down || event->keyval == GDK_KEY_KP_Down);
  if (!altDown && event->keyval != GDK_KEY_F4) return FALSE;
  static_cast<ComboBoxPeer*>(self)->OpenByUser();
  return TRUE;
}

}  // namespace platform::gtk
