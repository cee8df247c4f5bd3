#include "platform/gtk/CheckListBoxPeer.h"

#include <string>

#include "platform/gtk/CssColor.h"

namespace platform::gtk {

CheckListBoxPeer::CheckListBoxPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener),
      list_(true, {[this](int index) { Report(ItemSelected{index}); }, [this](int index) { ReportToggled(index); }}),
      style_(GTK_WIDGET(list_.View())) {
  Adopt(list_.Widget());
  SetFocusWidget(GTK_WIDGET(list_.View()));
}

void CheckListBoxPeer::SetBounds(const Rect& bounds) {
  GtkPeer::SetBounds(bounds);
  list_.SetOuterHeight(bounds.height);
}

void CheckListBoxPeer::SetColor(Color color) {
  const std::string css = "treeview.view:not(:selected) { background-color: " + CssColor(color) + "; }";
  style_.Load(css);
}

// The tick itself changes when the class library says so.
void CheckListBoxPeer::ReportToggled(int index) {
  Report(ItemChecked{index, !list_.Items()->Checked(index)});
}

}  // namespace platform::gtk
