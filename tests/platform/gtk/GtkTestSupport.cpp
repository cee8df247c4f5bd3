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

}  // namespace gtktest
