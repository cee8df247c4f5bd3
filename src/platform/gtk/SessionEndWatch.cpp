#include "platform/gtk/SessionEndWatch.h"

#include <gdk/gdkx.h>
#include <glib-unix.h>
#include <gtk/gtk.h>
#include <signal.h>

namespace platform::gtk {

SessionEndWatch::SessionEndWatch(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
  // Logging out sends SIGHUP or SIGTERM; Ctrl+C in a terminal SIGINT.
  for (const int signal : {SIGTERM, SIGHUP, SIGINT})
    signalSources_.push_back(g_unix_signal_add(signal, OnSignal, this));
  WatchDisplay();
}

SessionEndWatch::~SessionEndWatch() {
  for (const guint source : signalSources_) g_source_remove(source);
  if (displaySource_) g_source_remove(displaySource_);
}

// GDK ends the process as soon as it finds the X server gone. A hang-up on
// the connection is seen here first, at a higher priority than GDK's own
// reading, and between two events, so the class library is never caught in
// the middle of something.
void SessionEndWatch::WatchDisplay() {
  GdkDisplay* display = gdk_display_get_default();
  if (!GDK_IS_X11_DISPLAY(display)) return;
  const int connection = ConnectionNumber(gdk_x11_display_get_xdisplay(display));
  displaySource_ = g_unix_fd_add_full(G_PRIORITY_HIGH, connection, static_cast<GIOCondition>(G_IO_HUP | G_IO_ERR),
                                      OnDisplayLost, this, nullptr);
}

gboolean SessionEndWatch::OnSignal(gpointer self) {
  static_cast<SessionEndWatch*>(self)->onEnd_();
  return G_SOURCE_CONTINUE;
}

gboolean SessionEndWatch::OnDisplayLost(gint /*fd*/, GIOCondition /*condition*/, gpointer self) {
  auto* watch = static_cast<SessionEndWatch*>(self);
  watch->displaySource_ = 0;
  watch->onEnd_();
  return G_SOURCE_REMOVE;
}

}  // namespace platform::gtk
