#pragma once
// What every GTK peer shares: one outer widget placed in the parent's child
// area at the bounds the class library computed, the common part of every
// role, and the one channel up to the class-library control.
#include <gtk/gtk.h>

#include "platform/ControlPeer.h"
#include "platform/PeerEvent.h"

namespace platform::gtk {

class GtkWindowSystem;

class GtkPeer : public virtual IControlPeer {
 public:
  GtkPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);
  ~GtkPeer() override;
  GtkPeer(const GtkPeer&) = delete;
  GtkPeer& operator=(const GtkPeer&) = delete;

  void SetBounds(const Rect& bounds) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetFocus() override;
  void SetHint(const std::string& hint) override;
  void SetCursor(Cursor cursor) override;
  void SetColor(Color color) override;

  // The placement area where the children of this peer stand; null when it holds none.
  virtual GtkWidget* ChildArea() { return nullptr; }
  GtkWidget* Widget() const { return widget_; }
  GtkPeer* Parent() const { return parent_; }
  const Rect& Bounds() const { return bounds_; }

 protected:
  // Takes the outer widget and stands it in the parent's child area.
  void Adopt(GtkWidget* widget);
  // Stands a drawing area in the parent's child area, drawn by onDraw(widget,
  // cr, self) over the face, when the control shows one.
  void AdoptDrawingArea(GCallback onDraw, gpointer self);
  // Stands a list or text view, framed and scrollable, in the parent's child area.
  void AdoptScrolled(GtkWidget* view);
  // The widget that takes the keyboard focus and reports FocusIn.
  void SetFocusWidget(GtkWidget* widget);
  // Paints the widget in the control's colour under all that is drawn on it:
  // the face with which a windowed control covers the window behind it.
  void ShowFace(GtkWidget* widget);
  // A see-through control leaves its face out.
  void SetFaceShown(bool shown);
  // Reports a left-button press on the widget (a picture, a label) as a click.
  void ReportClicks(GtkWidget* widget);
  bool Report(const PeerEvent& event) { return listener_.OnPeerEvent(event); }

  GtkWindowSystem& system_;

 private:
  static gboolean OnFocusInEvent(GtkWidget* widget, GdkEventFocus* event, gpointer self);
  static gboolean OnButtonPressEvent(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnCrossingEvent(GtkWidget* widget, GdkEventCrossing* event, gpointer self);
  static gboolean OnFaceDraw(GtkWidget* widget, cairo_t* cr, gpointer self);

  GtkPeer* parent_;
  IPeerListener& listener_;
  GtkWidget* widget_ = nullptr;
  GtkWidget* focusWidget_ = nullptr;
  Rect bounds_;
  Cursor cursor_ = Cursor::Default;
  GtkWidget* faceWidget_ = nullptr;
  Color face_ = 0;
  bool faceShown_ = true;
  bool tracksCrossing_ = false;
};

// Text for GTK from the class library's 8-bit text.
std::string ToGtk(const std::string& ansi);
// Text from GTK as the class library's 8-bit text.
std::string FromGtk(const char* utf8);

}  // namespace platform::gtk
