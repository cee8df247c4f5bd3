#include "GtkTestSupport.h"

namespace gtktest {

bool RunUntil(const std::function<bool()>& condition) {
  const gint64 end = g_get_monotonic_time() + 2 * G_USEC_PER_SEC;
  while (!condition()) {
    if (g_get_monotonic_time() > end) return false;
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(1000);
  }
  return true;
}

void Settle() {
  for (int i = 0; i < 50; ++i) {
    while (g_main_context_pending(nullptr)) g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
}

GdkEvent* NewKeyPress(GdkWindow* window, guint keyval, guint modifiers) {
  GdkDisplay* display = gdk_window_get_display(window);
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(window));
  event->key.keyval = keyval;
  event->key.state = modifiers;
  event->key.string = g_strdup("");
  GdkKeymapKey* keys = nullptr;
  gint count = 0;
  if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys, &count) && count > 0)
    event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
  g_free(keys);
  gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
  return event;
}

void PressKey(GtkWidget* widget, guint keyval, guint modifiers) {
  GdkEvent* event = NewKeyPress(gtk_widget_get_window(widget), keyval, modifiers);
  gtk_widget_event(widget, event);
  gdk_event_free(event);
  Settle();
}

}  // namespace gtktest
