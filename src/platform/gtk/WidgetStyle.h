#pragma once
// A style sheet of one widget's own, above the theme's, replaced whole by
// each Load and gone with its owner.
#include <gtk/gtk.h>

#include <string>

namespace platform::gtk {

class WidgetStyle {
 public:
  explicit WidgetStyle(GtkWidget* widget) : css_(gtk_css_provider_new()) {
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(css_),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  }
  ~WidgetStyle() { g_object_unref(css_); }
  WidgetStyle(const WidgetStyle&) = delete;
  WidgetStyle& operator=(const WidgetStyle&) = delete;

  void Load(const std::string& css) { gtk_css_provider_load_from_data(css_, css.c_str(), -1, nullptr); }

 private:
  GtkCssProvider* css_;
};

}  // namespace platform::gtk
