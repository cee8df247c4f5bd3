#pragma once
// The web control's peer: a WebKitWebView placed like any control, with the
// engine behind it.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/WebKitEngine.h"

namespace platform::gtk {

class WebViewPeer : public GtkPeer, public IWebViewPeer {
 public:
  WebViewPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  IWebEngine& Engine() override { return *engine_; }

 private:
  std::unique_ptr<WebKitEngine> engine_;
};

}  // namespace platform::gtk
