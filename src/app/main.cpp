// The real program: the browser on the desktop's window system.
#include <gtk/gtk.h>

#include <cstdio>

#include "app/Project1.h"
#include "platform/gtk/GtkWindowSystem.h"

int main(int argc, char** argv) {
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "kalnor: cannot open a display (is DISPLAY set?)\n");
    return 2;
  }
  platform::gtk::GtkWindowSystem windowSystem;
  return Project1(windowSystem);
}
