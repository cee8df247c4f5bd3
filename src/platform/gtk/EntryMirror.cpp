#include "platform/gtk/EntryMirror.h"

#include <algorithm>

#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/ShownText.h"

namespace platform::gtk {

EntryMirror::EntryMirror(GtkEntry* entry, std::function<void(const EditChanged&)> report)
    : entry_(entry), report_(std::move(report)) {
  g_object_ref(entry_);
  g_signal_connect(entry_, "changed", G_CALLBACK(OnChanged), this);
  g_signal_connect(entry_, "notify::cursor-position", G_CALLBACK(OnNotifySelection), this);
  g_signal_connect(entry_, "notify::selection-bound", G_CALLBACK(OnNotifySelection), this);
}

EntryMirror::~EntryMirror() {
  if (pending_) g_source_remove(pending_);
  g_signal_handlers_disconnect_by_data(entry_, this);
  g_object_unref(entry_);
}

std::string EntryMirror::Text() const { return FromGtk(gtk_entry_get_text(entry_)); }

void EntryMirror::Quietly(const std::function<void()>& change) {
  const bool was = updating_;
  updating_ = true;
  change();
  updating_ = was;
}

// A text longer than the box shows is shown cut; the user's edits then
// report the text as the box holds it.
void EntryMirror::SetText(const std::string& text) {
  Quietly([&] {
    gtk_entry_set_text(entry_, ShownText(text, kShownInEntry).c_str());
    gtk_editable_set_position(GTK_EDITABLE(entry_), -1);
  });
}

void EntryMirror::SetSelection(int start, int length) {
  const int shown = static_cast<int>(kShownInEntry);
  const int from = std::min(start, shown);
  Quietly([&] { gtk_editable_select_region(GTK_EDITABLE(entry_), from, std::min(start + length, shown)); });
}

void EntryMirror::OnChanged(GtkEditable*, gpointer self) { static_cast<EntryMirror*>(self)->ReportWhenSettled(); }

// The caret and the highlight matter too: auto-completion searches for the
// text before the highlight.
void EntryMirror::OnNotifySelection(GObject*, GParamSpec*, gpointer self) {
  static_cast<EntryMirror*>(self)->ReportWhenSettled();
}

// GTK places the caret only after the text changed; report once it settled,
// which is before the next input event is handled.
void EntryMirror::ReportWhenSettled() {
  if (updating_ || pending_) return;
  pending_ = g_idle_add_full(G_PRIORITY_HIGH, OnEditSettled, this, nullptr);
}

gboolean EntryMirror::OnEditSettled(gpointer self) {
  auto* mirror = static_cast<EntryMirror*>(self);
  mirror->pending_ = 0;
  mirror->ReportEdit();
  return G_SOURCE_REMOVE;
}

void EntryMirror::ReportEdit() {
  int start = 0;
  int end = 0;
  if (!gtk_editable_get_selection_bounds(GTK_EDITABLE(entry_), &start, &end))
    start = end = gtk_editable_get_position(GTK_EDITABLE(entry_));
  report_(EditChanged{Text(), std::min(start, end), std::abs(end - start)});
}

}  // namespace platform::gtk
