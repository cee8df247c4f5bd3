#pragma once
// A form: a GtkWindow holding an optional menu bar above the client area, a
// GtkFixed in which the class library places the form's controls.
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

  GtkFixed* ChildArea() override { return GTK_FIXED(client_); }
  GtkWindow* Window() const { return GTK_WINDOW(Widget()); }

  void SetBounds(const Rect& bounds) override;
  void SetVisible(bool visible) override;
  void SetFocus() override;
  void SetCaption(const std::string& caption) override;
  void SetPicture(const std::string& name) override;
  void SetColor(Color color) override;
  void SetBorder(BorderStyle border, bool closeBox) override;
  void SetMenu(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures) override;
  void OpenMenu(int index) override;
  void SetWindowState(WindowState state) override;
  void Repaint() override;
  void BeginModal() override;
  void EndModal() override;
  void Invalidate() override { gtk_widget_queue_draw(client_); }

 private:
  Insets Frame() const { return FrameInsets(border_, menuBar_ != nullptr); }
  void ApplySize();
  void ReportMenuCommand(int commandId);

  static gboolean OnKeyPressEvent(GtkWidget* widget, GdkEventKey* event, gpointer self);
  static gboolean OnDeleteEvent(GtkWidget* widget, GdkEvent* event, gpointer self);
  static gboolean OnFocusInEvent(GtkWidget* widget, GdkEventFocus* event, gpointer self);
  static void OnSizeAllocate(GtkWidget* widget, GdkRectangle* allocation, gpointer self);
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);

  GtkWidget* box_;
  std::unique_ptr<MenuBar> menu_;
  GtkWidget* menuBar_ = nullptr;
  GtkWidget* client_;
  BorderStyle border_ = BorderStyle::Sizeable;
  Color color_ = 0xFFFFFF;
  Rect outer_;
};

}  // namespace platform::gtk
