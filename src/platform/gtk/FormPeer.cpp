#include "platform/gtk/FormPeer.h"

#include "platform/gtk/CairoCanvas.h"
#include "platform/gtk/GtkWindowSystem.h"
#include "platform/gtk/MenuBar.h"
#include "platform/gtk/TranslatedKey.h"

namespace platform::gtk {

FormPeer::FormPeer(GtkWindowSystem& system, IPeerListener& listener) : GtkPeer(system, nullptr, listener) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  box_ = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  client_ = gtk_fixed_new();
  gtk_box_pack_end(GTK_BOX(box_), client_, TRUE, TRUE, 0);
  gtk_container_add(GTK_CONTAINER(window), box_);
  gtk_widget_show_all(box_);
  Adopt(window);
  system_.AddForm(this);

  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPressEvent), this);
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDeleteEvent), this);
  g_signal_connect(window, "focus-in-event", G_CALLBACK(OnFocusInEvent), this);
  g_signal_connect(client_, "size-allocate", G_CALLBACK(OnSizeAllocate), this);
  g_signal_connect(client_, "draw", G_CALLBACK(OnDraw), this);
}

FormPeer::~FormPeer() {
  g_signal_handlers_disconnect_by_data(client_, this);
  system_.RemoveForm(this);
}

void FormPeer::SetBounds(const Rect& bounds) {
  outer_ = bounds;
  gtk_window_move(Window(), bounds.left, bounds.top);
  ApplySize();
}

// The client area gets exactly the outer size less the fixed frame; the menu
// bar adds whatever height GTK gives it.
void FormPeer::ApplySize() {
  const Insets frame = Frame();
  const int width = std::max(1, outer_.width - frame.Horizontal());
  int height = std::max(1, outer_.height - frame.Vertical());
  if (menuBar_) {
    int menuHeight = 0;
    gtk_widget_get_preferred_height(menuBar_, &menuHeight, nullptr);
    height += menuHeight;
  }
  gtk_window_set_default_size(Window(), width, height);
  gtk_window_resize(Window(), width, height);
}

void FormPeer::SetVisible(bool visible) {
  if (visible)
    gtk_window_present(Window());
  else
    gtk_widget_hide(Widget());
}

void FormPeer::SetFocus() {
  if (gtk_widget_get_visible(Widget())) gtk_window_present(Window());
  system_.NoteActive(this);
}

void FormPeer::SetCaption(const std::string& caption) { gtk_window_set_title(Window(), ToGtk(caption).c_str()); }

void FormPeer::SetPicture(const std::string& name) { gtk_window_set_icon(Window(), system_.Pictures().Get(name, 32)); }

void FormPeer::SetColor(Color color) {
  color_ = color;
  gtk_widget_queue_draw(client_);
}

void FormPeer::SetBorder(BorderStyle border, bool closeBox) {
  border_ = border;
  gtk_window_set_resizable(Window(), border == BorderStyle::Sizeable);
  gtk_window_set_decorated(Window(), border != BorderStyle::None);
  gtk_window_set_deletable(Window(), closeBox);
  if (!closeBox) gtk_window_set_type_hint(Window(), GDK_WINDOW_TYPE_HINT_DIALOG);
  ApplySize();
}

void FormPeer::SetMenu(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures) {
  if (menuBar_) gtk_widget_destroy(menuBar_);
  menuBar_ = nullptr;
  if (!entries.empty()) {
    menu_ = std::make_unique<MenuBar>(system_.Pictures(), [this](int id) { ReportMenuCommand(id); });
    menuBar_ = menu_->Build(entries, pictures);
    gtk_box_pack_start(GTK_BOX(box_), menuBar_, FALSE, FALSE, 0);
    gtk_widget_show_all(menuBar_);
  }
  ApplySize();
}

void FormPeer::OpenMenu(int index) {
  if (!menuBar_) return;
  GList* items = gtk_container_get_children(GTK_CONTAINER(menuBar_));
  if (auto* item = static_cast<GtkWidget*>(g_list_nth_data(items, index)))
    gtk_menu_shell_select_item(GTK_MENU_SHELL(menuBar_), item);
  g_list_free(items);
}

void FormPeer::ReportMenuCommand(int commandId) {
  PeerEvent event{PeerEventKind::MenuCommand};
  event.index = commandId;
  Report(event);
}

void FormPeer::SetWindowState(WindowState state) {
  switch (state) {
    case WindowState::Maximized: gtk_window_maximize(Window()); break;
    case WindowState::Minimized: gtk_window_iconify(Window()); break;
    case WindowState::Normal:
      gtk_window_deiconify(Window());
      gtk_window_unmaximize(Window());
      break;
  }
}

void FormPeer::Repaint() {
  gtk_widget_queue_draw(client_);
  GdkWindow* window = gtk_widget_get_window(client_);
  if (!window) return;
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gdk_window_process_updates(window, TRUE);
  G_GNUC_END_IGNORE_DEPRECATIONS
}

void FormPeer::BeginModal() {
  FormPeer* main = system_.MainForm();
  if (main && main != this) gtk_window_set_transient_for(Window(), main->Window());
  gtk_window_set_modal(Window(), TRUE);
}

void FormPeer::EndModal() { gtk_window_set_modal(Window(), FALSE); }

gboolean FormPeer::OnKeyPressEvent(GtkWidget*, GdkEventKey* event, gpointer self) {
  const TranslatedKey key = TranslatedKey::From(*event);
  PeerEvent down{PeerEventKind::KeyDown};
  down.key = key.key;
  down.shift = key.shift;
  down.ch = key.ch;
  return static_cast<FormPeer*>(self)->Report(down) ? TRUE : FALSE;
}

gboolean FormPeer::OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer self) {
  // The class library decides whether the window closes, and hides it itself.
  static_cast<FormPeer*>(self)->Report(PeerEventKind::CloseRequest);
  return TRUE;
}

gboolean FormPeer::OnFocusInEvent(GtkWidget*, GdkEventFocus*, gpointer self) {
  auto* form = static_cast<FormPeer*>(self);
  // A window disabled behind a modal one cannot become active, though a
  // window manager or a person may still give it the keyboard focus.
  if (!gtk_widget_is_sensitive(form->Widget())) return FALSE;
  form->system_.NoteActive(form);
  form->Report(PeerEventKind::Activate);
  return FALSE;
}

void FormPeer::OnSizeAllocate(GtkWidget*, GdkRectangle* allocation, gpointer self) {
  auto* form = static_cast<FormPeer*>(self);
  if (!gtk_widget_get_mapped(form->Widget())) return;
  const Insets frame = form->Frame();
  Rect now = form->outer_;
  gtk_window_get_position(form->Window(), &now.left, &now.top);
  now.width = allocation->width + frame.Horizontal();
  now.height = allocation->height + frame.Vertical();
  if (now.width == form->outer_.width && now.height == form->outer_.height) return;
  form->outer_ = now;
  PeerEvent resized{PeerEventKind::Resized};
  resized.bounds = now;
  form->Report(resized);
}

gboolean FormPeer::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  auto* form = static_cast<FormPeer*>(self);
  CairoCanvas canvas(cr);
  canvas.FillRect({0, 0, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget)},
                  form->color_);
  PeerEvent paint{PeerEventKind::Paint};
  paint.canvas = &canvas;
  form->Report(paint);
  return FALSE;
}

}  // namespace platform::gtk
