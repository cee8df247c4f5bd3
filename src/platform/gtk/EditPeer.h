#pragma once
// A one-line edit box: a GtkEntry.
#include <memory>

#include "platform/Peers.h"
#include "platform/gtk/EntryMirror.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class EditPeer : public GtkPeer, public IEditPeer {
 public:
  EditPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetText(const std::string& text) override { mirror_->SetText(text); }
  void SetSelection(int start, int length) override { mirror_->SetSelection(start, length); }

 private:
  std::unique_ptr<EntryMirror> mirror_;
};

}  // namespace platform::gtk
