#pragma once
// A form: a GtkWindow holding an optional menu bar above the client area, a
// placement area in which the class library places the form's controls. The
// window manager's frame is guessed from the fixed frame table until the
// window is mapped; then the real frame is laid over the requested outer
// bounds, and the outer bounds and the client size it got are reported.
#include <memory>
#include <string>
#include <vector>

#include "platform/FrameMetrics.h"
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/MenuBar.h"

namespace platform::gtk {

class FormPeer : public GtkPeer {
 public:
  FormPeer(GtkWindowSystem& system, IPeerListener& listener);
  ~FormPeer() override;

  GtkWidget* ChildArea() override { return client_; }
  GtkWindow* Window() const { return GTK_WINDOW(Widget()); }

  void SetBounds(const Rect& bounds) override;
  void SetVisible(bool visible) override;
  void SetFocus() override;
  void SetCaption(const std::string& caption) override;
  void SetPicture(const std::string& name) override;
  void SetColor(Color color) override;
  void SetBorder(BorderStyle border, const BorderIcons& icons) override;
  void SetMenu(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures) override;
  void OpenMenu(int index) override;
  void SetWindowState(WindowState state) override;
  void Repaint() override;
  void BeginModal() override;
  void EndModal() override;
  void Invalidate() override { gtk_widget_queue_draw(client_); }

 private:
  // The window manager's frame around the GtkWindow (menu bar and client area).
  Insets WindowFrame() const { return windowFrameKnown_ ? windowFrame_ : FrameInsets(border_, false); }
  void ApplySize();
  // The window manager's hints: which decorations and commands the window has.
  void ApplyBorderHints();
  // Reads the real frame; true when it differs from what was used so far.
  bool LearnWindowFrame();
  // Learns the frame, lays it over the outer bounds, and reports what the window got.
  void TakeWindowManagersFrame();
  void ReportMenuCommand(int commandId);

  static gboolean OnKeyPressEvent(GtkWidget* widget, GdkEventKey* event, gpointer self);
  static gboolean OnDeleteEvent(GtkWidget* widget, GdkEvent* event, gpointer self);
  static gboolean OnFocusInEvent(GtkWidget* widget, GdkEventFocus* event, gpointer self);
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean OnConfigureEvent(GtkWidget* widget, GdkEventConfigure* event, gpointer self);
  static gboolean OnMapEvent(GtkWidget* widget, GdkEvent* event, gpointer self);
  static gboolean OnWindowStateEvent(GtkWidget* widget, GdkEventWindowState* event, gpointer self);
  static void OnRealize(GtkWidget* widget, gpointer self);

  GtkWidget* box_;
  std::unique_ptr<MenuBar> menu_;
  GtkWidget* menuBar_ = nullptr;
  GtkWidget* client_;
  BorderStyle border_ = BorderStyle::Sizeable;
  BorderIcons icons_;
  Color color_ = 0xFFFFFF;
  Rect outer_;
  Insets windowFrame_;
  bool windowFrameKnown_ = false;
  Rect reportedOuter_;
  Size reportedClient_;
  bool reporting_ = false;
};

}  // namespace platform::gtk
