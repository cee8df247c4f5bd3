#include "platform/gtk/SessionEndWatch.h"

#include <gdk/gdkx.h>
#include <glib-unix.h>
#include <gtk/gtk.h>
#include <signal.h>

namespace platform::gtk {

namespace {

// Xlib's error handler carries no data of its own.
SessionEndWatch* displayWatch = nullptr;

}  // namespace

SessionEndWatch::SessionEndWatch(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
  // Logging out sends SIGHUP or SIGTERM; Ctrl+C in a terminal SIGINT.
  for (const int signal : {SIGTERM, SIGHUP, SIGINT})
    signalSources_.push_back(g_unix_signal_add(signal, OnSignal, this));
  WatchDisplay();
}

SessionEndWatch::~SessionEndWatch() {
  for (const guint source : signalSources_) g_source_remove(source);
  if (displaySource_) g_source_remove(displaySource_);
  if (displayWatch == this) {
    XSetIOErrorHandler(gdkDisplayError_);
    displayWatch = nullptr;
  }
}

void SessionEndWatch::End() {
  if (ended_) return;
  ended_ = true;
  onEnd_();
}

// GDK ends the process as soon as it finds the X server gone. A hang-up on
// the connection is usually seen here first, at a higher priority than GDK's
// own reading and between two events, so the class library is not caught in
// the middle of something. When GDK reads the end first (the server went
// while the program was busy), its error handler is reached through ours,
// which ends the session before GDK ends the process.
void SessionEndWatch::WatchDisplay() {
  GdkDisplay* display = gdk_display_get_default();
  if (!GDK_IS_X11_DISPLAY(display)) return;
  const int connection = ConnectionNumber(gdk_x11_display_get_xdisplay(display));
  displaySource_ = g_unix_fd_add_full(G_PRIORITY_HIGH, connection, static_cast<GIOCondition>(G_IO_HUP | G_IO_ERR),
                                      OnDisplayLost, this, nullptr);
  displayWatch = this;
  gdkDisplayError_ = XSetIOErrorHandler(OnDisplayError);
}

gboolean SessionEndWatch::OnSignal(gpointer self) {
  static_cast<SessionEndWatch*>(self)->End();
  return G_SOURCE_CONTINUE;
}

gboolean SessionEndWatch::OnDisplayLost(gint /*fd*/, GIOCondition /*condition*/, gpointer self) {
  auto* watch = static_cast<SessionEndWatch*>(self);
  watch->displaySource_ = 0;
  watch->End();
  return G_SOURCE_REMOVE;
}

// Xlib makes every further call on the lost display return at once, so the
// end may run here; GDK's handler then ends the process.
int SessionEndWatch::OnDisplayError(_XDisplay* display) {
  displayWatch->End();
  return displayWatch->gdkDisplayError_(display);
}

}  // namespace platform::gtk
