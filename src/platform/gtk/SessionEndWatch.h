#pragma once
// Turns what ends a desktop session into one call from the message loop:
// SIGTERM, SIGHUP and SIGINT, and the display's connection going away.
#include <glib.h>

#include <functional>
#include <vector>

// Xlib's display; its header is kept out of ours for the names it defines.
struct _XDisplay;

namespace platform::gtk {

class SessionEndWatch {
 public:
  // Needs an initialised GTK.
  explicit SessionEndWatch(std::function<void()> onEnd);
  ~SessionEndWatch();
  SessionEndWatch(const SessionEndWatch&) = delete;
  SessionEndWatch& operator=(const SessionEndWatch&) = delete;

 private:
  void WatchDisplay();
  // Runs the end once, however many ways announce it.
  void End();

  static gboolean OnSignal(gpointer self);
  static gboolean OnDisplayLost(gint fd, GIOCondition condition, gpointer self);
  static int OnDisplayError(_XDisplay* display);

  std::function<void()> onEnd_;
  std::vector<guint> signalSources_;
  guint displaySource_ = 0;
  int (*gdkDisplayError_)(_XDisplay*) = nullptr;
  bool ended_ = false;
};

}  // namespace platform::gtk
