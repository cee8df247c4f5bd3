#include "platform/gtk/WebViewPeer.h"

namespace platform::gtk {

WebViewPeer::WebViewPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  GtkWidget* view = webkit_web_view_new();
  Adopt(view);
  engine_ = std::make_unique<WebKitEngine>(system, WEBKIT_WEB_VIEW(view));
}

}  // namespace platform::gtk
