#pragma once
// Turns what ends a desktop session into one call from the message loop:
// SIGTERM, SIGHUP and SIGINT, and the display's connection going away.
#include <glib.h>

#include <functional>
#include <vector>

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

  static gboolean OnSignal(gpointer self);
  static gboolean OnDisplayLost(gint fd, GIOCondition condition, gpointer self);

  std::function<void()> onEnd_;
  std::vector<guint> signalSources_;
  guint displaySource_ = 0;
};

}  // namespace platform::gtk
