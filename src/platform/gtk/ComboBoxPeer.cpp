#include "platform/gtk/ComboBoxPeer.h"

namespace platform::gtk {

ComboBoxPeer::ComboBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  GtkWidget* combo = gtk_combo_box_text_new_with_entry();
  GtkWidget* entry = gtk_bin_get_child(GTK_BIN(combo));
  gtk_entry_set_width_chars(GTK_ENTRY(entry), 1);
  gtk_widget_show_all(combo);
  Adopt(combo);
  SetFocusWidget(entry);
  mirror_ = std::make_unique<EntryMirror>(GTK_ENTRY(entry), [this](const PeerEvent& e) { return Report(e); });

  g_signal_connect(combo, "changed", G_CALLBACK(OnChanged), this);
  g_signal_connect(combo, "notify::popup-shown", G_CALLBACK(OnNotifyPopupShown), this);
}

void ComboBoxPeer::Update(const std::function<void()>& change) {
  const std::string text = mirror_->Text();
  updating_ = true;
  mirror_->Quietly([&] {
    change();
    if (mirror_->Text() != text) mirror_->SetText(text);
  });
  updating_ = false;
}

void ComboBoxPeer::SetDroppedDown(bool dropped) {
  updating_ = true;
  if (dropped)
    gtk_combo_box_popup(GTK_COMBO_BOX(Combo()));
  else
    gtk_combo_box_popdown(GTK_COMBO_BOX(Combo()));
  updating_ = false;
}

void ComboBoxPeer::SetItems(const std::vector<std::string>& items) {
  Update([&] {
    gtk_combo_box_text_remove_all(Combo());
    for (const std::string& item : items) gtk_combo_box_text_append_text(Combo(), ToGtk(item).c_str());
  });
}

void ComboBoxPeer::InsertItem(int index, const std::string& item) {
  Update([&] { gtk_combo_box_text_insert_text(Combo(), index, ToGtk(item).c_str()); });
}

void ComboBoxPeer::DeleteItem(int index) {
  Update([&] { gtk_combo_box_text_remove(Combo(), index); });
}

void ComboBoxPeer::SetItemIndex(int index) {
  Update([&] { gtk_combo_box_set_active(GTK_COMBO_BOX(Combo()), index); });
}

void ComboBoxPeer::OnChanged(GtkComboBox* combo, gpointer self) {
  auto* peer = static_cast<ComboBoxPeer*>(self);
  const int index = gtk_combo_box_get_active(combo);
  if (peer->updating_ || index < 0) return;
  PeerEvent selected{PeerEventKind::ItemSelected};
  selected.index = index;
  peer->Report(selected);
}

void ComboBoxPeer::OnNotifyPopupShown(GObject* combo, GParamSpec*, gpointer self) {
  auto* peer = static_cast<ComboBoxPeer*>(self);
  if (peer->updating_) return;
  gboolean shown = FALSE;
  g_object_get(combo, "popup-shown", &shown, nullptr);
  PeerEvent dropDown{PeerEventKind::DropDown};
  dropDown.checked = shown;
  peer->Report(dropDown);
}

}  // namespace platform::gtk
