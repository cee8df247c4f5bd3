#pragma once
// A combo box's drop-down list: a popup window under the box holding a
// ListItemsView of at most a set number of rows. While open it has the
// keyboard and the mouse: Enter or a click on an entry chooses it; Esc, F4,
// Alt+Up or a click elsewhere closes the list.
#include <gtk/gtk.h>

#include <functional>

#include "platform/gtk/ListItemsView.h"

namespace platform::gtk {

class DropDownList {
 public:
  struct Reports {
    std::function<void(int index)> chosen;
    std::function<void()> closed;  // by the user, after a choice too
  };

  explicit DropDownList(Reports reports);
  ~DropDownList();
  DropDownList(const DropDownList&) = delete;
  DropDownList& operator=(const DropDownList&) = delete;

  ListItemsView& List() { return list_; }
  void SetRows(int rows) { rows_ = rows; }
  // Shows the list under the box, as wide as it, or over it where the
  // screen ends below.
  void Open(GtkWidget* box);
  void Close();
  bool IsOpen() const { return gtk_widget_get_visible(window_); }

 private:
  void Place(GtkWidget* box);
  void Grab();
  void CloseByUser();
  void Choose(int index);
  bool Inside(double rootX, double rootY) const;

  static gboolean OnKeyPressEvent(GtkWidget* widget, GdkEventKey* event, gpointer self);
  static gboolean OnButtonPressEvent(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnButtonReleaseEvent(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnGrabBrokenEvent(GtkWidget* widget, GdkEventGrabBroken* event, gpointer self);

  Reports reports_;
  ListItemsView list_;
  GtkWidget* window_;
  int rows_ = 8;
  GdkSeat* grabbed_ = nullptr;
};

}  // namespace platform::gtk
