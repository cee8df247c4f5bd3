#pragma once
// Keeps a GtkEntry and the class library's text in step: the user's edits and
// moves of the caret or the highlight go up as EditChanged, the class
// library's text and selection come down without being reported back, a
// huge text cut to what a box can show.
#include <gtk/gtk.h>

#include <functional>
#include <string>

#include "platform/PeerEvent.h"

namespace platform::gtk {

class EntryMirror {
 public:
  EntryMirror(GtkEntry* entry, std::function<void(const EditChanged&)> report);
  ~EntryMirror();
  EntryMirror(const EntryMirror&) = delete;
  EntryMirror& operator=(const EntryMirror&) = delete;

  void SetText(const std::string& text);
  void SetSelection(int start, int length);

 private:
  std::string Text() const;
  // Runs a change of the entry that is not the user's.
  void Quietly(const std::function<void()>& change);
  void ReportWhenSettled();
  void ReportEdit();
  static void OnChanged(GtkEditable* editable, gpointer self);
  static void OnNotifySelection(GObject* entry, GParamSpec* property, gpointer self);
  static gboolean OnEditSettled(gpointer self);

  GtkEntry* entry_;
  std::function<void(const EditChanged&)> report_;
  bool updating_ = false;
  guint pending_ = 0;
};

}  // namespace platform::gtk
