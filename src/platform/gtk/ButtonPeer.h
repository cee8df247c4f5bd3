#pragma once
// A push or bitmap button (caption, picture, hint), or a flat speed button of
// a tool bar that shows its picture only and never takes the focus.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ButtonPeer : public GtkPeer, public IButtonPeer {
 public:
  ButtonPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener, bool speedButton);

  void SetCaption(const std::string& caption) override;
  void SetPicture(const std::string& name) override;

 private:
  static void OnClicked(GtkButton* button, gpointer self);

  bool speedButton_;
  GtkWidget* image_;
  GtkWidget* label_;
};

}  // namespace platform::gtk
