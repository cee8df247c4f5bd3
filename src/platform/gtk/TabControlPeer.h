#pragma once
// A tab control with its tabs drawn along the top and a frame around the page
// area; the children stand in it at their bounds.
#include <vector>

#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class TabControlPeer : public GtkPeer, public ITabControlPeer {
 public:
  TabControlPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  GtkWidget* ChildArea() override { return Widget(); }
  void SetTabs(const std::vector<std::string>& tabs) override;

 private:
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);

  std::vector<std::string> tabs_;  // as GTK text
};

}  // namespace platform::gtk
