// A bare WebKitGTK window that loads one page: the yardstick the start-up
// benchmark holds kalnor against.
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (!gtk_init_check(&argc, &argv) || argc != 2) {
    std::fprintf(stderr, "usage: bare_webkit URL (with a display)\n");
    return 2;
  }
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  // As large as kalnor's main window on the benchmark's screen.
  gtk_window_set_default_size(GTK_WINDOW(window), 1592, 964);
  GtkWidget* view = webkit_web_view_new();
  gtk_container_add(GTK_CONTAINER(window), view);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[1]);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
