#pragma once
// A tool bar standing in a control bar as a band: a grip left of it lets the
// user drag it along the bar, drop it off the bar into a small floating tool
// window titled with its caption, and drop that back onto the bar.
#include <string>

#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class ControlBandPeer : public GtkPeer, public IContainerPeer {
 public:
  ControlBandPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  ~ControlBandPeer() override;

  GtkWidget* ChildArea() override { return Widget(); }
  void SetBounds(const Rect& bounds) override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& caption) override;

 private:
  GtkWidget* Bar() const { return Parent()->ChildArea(); }
  // Where the pointer is on the bar, when it is over it.
  bool PointOnBar(double rootX, double rootY, int& x, int& y) const;
  void Place(GtkWidget* area, int left, int top);
  void Dock(int left, int top);
  void Float(int rootX, int rootY);

  static gboolean OnButtonPressEvent(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnMotionNotifyEvent(GtkWidget* widget, GdkEventMotion* event, gpointer self);
  static gboolean OnButtonReleaseEvent(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean OnDeleteEvent(GtkWidget* widget, GdkEvent* event, gpointer self);

  GtkWidget* grip_;
  GtkWidget* floating_ = nullptr;
  std::string title_;
  Rect docked_;          // where the band stood on the bar
  bool dragging_ = false;
  double grabX_ = 0;     // the pointer within the grip when the drag began
  double grabY_ = 0;
};

}  // namespace platform::gtk
