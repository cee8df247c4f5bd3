#pragma once
// A list control's entries on screen: a GtkTreeView of the rows that fit,
// each the same number of pixels high, beside a scroll bar over the whole
// list. GTK measures no row and keeps nothing per entry, so a list of any
// length shows at once. The view moves the highlight with the keys and the
// wheel a list box takes, and reports what the user highlights and ticks.
#include <gtk/gtk.h>

#include <functional>

#include "platform/ListItems.h"
#include "platform/gtk/ListItemsModel.h"
#include "platform/gtk/WidgetStyle.h"

namespace platform::gtk {

class ListItemsView {
 public:
  struct Reports {
    std::function<void(int index)> highlighted;  // the user highlighted the entry
    std::function<void(int index)> toggled;      // the user clicked the entry's check box
  };

  ListItemsView(bool ticks, Reports reports);
  ~ListItemsView();
  ListItemsView(const ListItemsView&) = delete;
  ListItemsView& operator=(const ListItemsView&) = delete;

  // The frame holding the view and its scroll bar, for the owner to place
  // and destroy.
  GtkWidget* Widget() const { return frame_; }
  GtkTreeView* View() const { return GTK_TREE_VIEW(view_); }
  void SetRowHeight(int pixels);
  // Asks for the height of exactly that many rows.
  void SetShownRows(int rows);
  // The frame is to be that many pixels high.
  void SetOuterHeight(int height);

  void SetItems(const IListItems& items);
  const IListItems* Items() const { return items_; }
  int Count() const { return items_ ? items_->Count() : 0; }
  void Inserted(int index);
  void Deleted(int index);
  void Changed(int index) { model_.Changed(index); }

  // The highlighted entry, -1 for none. Setting it scrolls it into view and
  // reports nothing.
  void SetHighlight(int index);
  int Highlight() const { return highlight_; }
  // Takes the keyboard focus, leaving the highlight where it is.
  void Focus();
  // The entry shown at a point of the view, -1 for none.
  int EntryAt(double x, double y) const;

 private:
  void SetVisibleRows(int rows);
  // The entry shown in the row, -1 for a row below the last entry.
  int EntryOfRow(int row) const;
  void FitOuterHeight();
  void ScrollTo(int top);
  void ScrollIntoView(int index);
  // Shows the entries from top_ in the rows that fit, with the highlight.
  void Place();
  void ShowHighlight();
  void MoveHighlight(int index);

  static gboolean OnKeyPressEvent(GtkWidget* widget, GdkEventKey* event, gpointer self);
  static gboolean OnScrollEvent(GtkWidget* widget, GdkEventScroll* event, gpointer self);
  static void OnCursorChanged(GtkTreeView* view, gpointer self);
  static void OnToggled(GtkCellRendererToggle* cell, gchar* path, gpointer self);
  static void OnSizeAllocate(GtkWidget* widget, GdkRectangle* allocation, gpointer self);
  static gboolean OnFitAllocation(gpointer self);
  static void OnValueChanged(GtkAdjustment* adjustment, gpointer self);
  static void OnFrameMap(GtkWidget* frame, gpointer self);

  Reports reports_;
  ListItemsModel model_;
  const IListItems* items_ = nullptr;
  GtkWidget* frame_;
  GtkWidget* view_;
  GtkWidget* scrollbar_;
  GtkAdjustment* adjustment_;
  GtkCellRenderer* toggle_ = nullptr;
  GtkCellRenderer* text_;
  WidgetStyle style_;
  int rowHeight_ = 0;
  int outerHeight_ = -1;  // none asked for
  int visible_ = 1;  // whole rows that fit
  int allocatedRows_ = 1;
  guint pendingFit_ = 0;
  int top_ = 0;
  int highlight_ = -1;
  double scrollRest_ = 0;  // wheel turned by less than a row
  bool placing_ = false;
  bool shown_ = false;  // has come on the screen
};

}  // namespace platform::gtk
