#pragma once
// The status bar: sunken panels side by side, the last one reaching to the
// right end. The bar stays in panel mode, so a simple text is not shown.
#include <vector>

#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class StatusBarPeer : public GtkPeer, public IStatusBarPeer {
 public:
  StatusBarPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetPanels(const std::vector<int>& widths) override;
  void SetPanelText(int index, const std::string& text) override;
  void SetSimpleText(const std::string& /*text*/) override {}

 private:
  std::vector<GtkWidget*> labels_;
};

}  // namespace platform::gtk
