#include "platform/gtk/CheckListBoxPeer.h"

#include <string>

#include "platform/gtk/CssColor.h"

namespace platform::gtk {

CheckListBoxPeer::CheckListBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener),
      list_(true, {[this](int index) { Report(ItemSelected{index}); }, [this](int index) { ReportToggled(index); }}),
      css_(gtk_css_provider_new()) {
  gtk_style_context_add_provider(gtk_widget_get_style_context(GTK_WIDGET(list_.View())), GTK_STYLE_PROVIDER(css_),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  Adopt(list_.Widget());
  SetFocusWidget(GTK_WIDGET(list_.View()));
}

CheckListBoxPeer::~CheckListBoxPeer() { g_object_unref(css_); }

void CheckListBoxPeer::SetBounds(const Rect& bounds) {
  GtkPeer::SetBounds(bounds);
  list_.SetOuterHeight(bounds.height);
}

void CheckListBoxPeer::SetColor(Color color) {
  const std::string css = "treeview.view:not(:selected) { background-color: " + CssColor(color) + "; }";
  gtk_css_provider_load_from_data(css_, css.c_str(), -1, nullptr);
}

// The tick itself changes when the class library says so.
void CheckListBoxPeer::ReportToggled(int index) {
  Report(ItemChecked{index, !list_.Items()->Checked(index)});
}

}  // namespace platform::gtk
