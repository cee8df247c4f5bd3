#include "platform/gtk/WebViewPeer.h"

namespace platform::gtk {

WebViewPeer::WebViewPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  GtkWidget* view = webkit_web_view_new();
  Adopt(view);
  // Under a page not yet painted for a new size, the window's ramp would show.
  ShowFace(view);
  engine_ = std::make_unique<WebKitEngine>(system, WEBKIT_WEB_VIEW(view));
}

}  // namespace platform::gtk
