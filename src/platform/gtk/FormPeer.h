#pragma once
// A form: a GtkWindow holding an optional menu bar above the client area, a
// placement area in which the class library places the form's controls. The
// window manager's frame is guessed from the fixed frame table until it is
// published; then the real frame is laid over the requested outer bounds,
// and the outer bounds and the client size the window got are reported.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FormPeer.h"
#include "platform/FrameMetrics.h"
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/MenuBar.h"

namespace platform::gtk {

class FormPeer : public GtkPeer, public IFormPeer {
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

 private:
  // The window manager's frame around the GtkWindow (menu bar and client area)
  // that the window's size is worked out with: the fixed table's until read.
  Insets SizingFrame() const { return sizingFrame_ ? *sizingFrame_ : FrameInsets(border_, false); }
  void ApplySize();
  // The window manager's hints: which decorations and commands the window has.
  void ApplyBorderHints();
  // The frame the window manager publishes; none without such a window manager.
  Insets ReadWindowFrame() const;
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
  Rect requested_;  // the outer bounds the class library asked for
  std::optional<Insets> sizingFrame_;
  Rect reportedOuter_;
  Size reportedClient_;
  bool reporting_ = false;
};

}  // namespace platform::gtk
