#include "platform/gtk/FormPeer.h"

#include "platform/gtk/CairoCanvas.h"
#include "platform/gtk/GtkWindowSystem.h"
#include "platform/gtk/MenuBar.h"
#include "platform/gtk/PlacementArea.h"
#include "platform/gtk/TranslatedKey.h"

namespace platform::gtk {

FormPeer::FormPeer(GtkWindowSystem& system, IPeerListener& listener) : GtkPeer(system, nullptr, listener) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  box_ = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  client_ = PlacementArea::New();
  gtk_box_pack_end(GTK_BOX(box_), client_, TRUE, TRUE, 0);
  gtk_container_add(GTK_CONTAINER(window), box_);
  gtk_widget_show_all(box_);
  Adopt(window);
  system_.AddForm({}, this);

  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPressEvent), this);
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDeleteEvent), this);
  g_signal_connect(window, "focus-in-event", G_CALLBACK(OnFocusInEvent), this);
  g_signal_connect(client_, "draw", G_CALLBACK(OnDraw), this);
  g_signal_connect(window, "configure-event", G_CALLBACK(OnConfigureEvent), this);
  g_signal_connect_after(window, "map-event", G_CALLBACK(OnMapEvent), this);
  g_signal_connect(window, "window-state-event", G_CALLBACK(OnWindowStateEvent), this);
  g_signal_connect_after(window, "realize", G_CALLBACK(OnRealize), this);
  PlacementArea::OnSizeChange(client_, [this] { TakeWindowManagersFrame(); });
}

FormPeer::~FormPeer() {
  g_signal_handlers_disconnect_by_data(client_, this);
  PlacementArea::OnSizeChange(client_, nullptr);
  system_.RemoveForm({}, this);
}

void FormPeer::SetBounds(const Rect& bounds) {
  requested_ = bounds;
  gtk_window_move(Window(), bounds.left, bounds.top);
  ApplySize();
}

// The window manager's frame is laid over the outer bounds; the menu bar and
// the client area share what it leaves.
void FormPeer::ApplySize() {
  const Insets frame = SizingFrame();
  const int width = std::max(1, requested_.width - frame.Horizontal());
  const int height = std::max(1, requested_.height - frame.Vertical());
  gtk_window_set_default_size(Window(), width, height);
  gtk_window_resize(Window(), width, height);
}

Insets FormPeer::ReadWindowFrame() const {
  GdkAtom type = GDK_NONE;
  gint format = 0;
  gint length = 0;
  guchar* data = nullptr;
  const bool found =
      gdk_property_get(gtk_widget_get_window(Widget()), gdk_atom_intern_static_string("_NET_FRAME_EXTENTS"),
                       gdk_atom_intern_static_string("CARDINAL"), 0, 4 * 4, FALSE, &type, &format, &length, &data);
  Insets frame;
  // Values of 32 bits come as longs: left, right, top, bottom.
  if (found && format == 32 && length >= static_cast<gint>(4 * sizeof(long))) {
    const auto* values = reinterpret_cast<const long*>(data);
    frame = {static_cast<int>(values[0]), static_cast<int>(values[2]), static_cast<int>(values[1]),
             static_cast<int>(values[3])};
  }
  g_free(data);
  return frame;
}

// Runs when the window is mapped or configured and, before the children
// are placed, whenever the client area gets a new size: the bounds the class
// library gives them in answer are the ones they get in that pass. A frame
// that differs from the one the size was worked out with is laid over the
// requested bounds anew, unless the window manager sizes the window itself
// (maximised, say), whose frame is then only reported.
void FormPeer::TakeWindowManagersFrame() {
  if (!gtk_widget_get_mapped(Widget())) return;
  constexpr auto kManagedSize = GDK_WINDOW_STATE_MAXIMIZED | GDK_WINDOW_STATE_FULLSCREEN | GDK_WINDOW_STATE_ICONIFIED;
  const Insets frame = ReadWindowFrame();
  if (frame != SizingFrame() && !(gdk_window_get_state(gtk_widget_get_window(Widget())) & kManagedSize)) {
    sizingFrame_ = frame;
    ApplySize();
  }
  Rect outer;
  gtk_window_get_position(Window(), &outer.left, &outer.top);
  outer.width = gtk_widget_get_allocated_width(Widget()) + frame.Horizontal();
  outer.height = gtk_widget_get_allocated_height(Widget()) + frame.Vertical();
  const Size client{gtk_widget_get_allocated_width(client_), gtk_widget_get_allocated_height(client_)};
  if (outer == reportedOuter_ && client == reportedClient_) return;
  reportedOuter_ = outer;
  reportedClient_ = client;
  reporting_ = true;
  Report(Resized{outer, client});
  reporting_ = false;
}

void FormPeer::SetVisible(bool visible) {
  if (visible)
    gtk_window_present(Window());
  else
    gtk_widget_hide(Widget());
}

void FormPeer::SetFocus() {
  if (gtk_widget_get_visible(Widget())) gtk_window_present(Window());
  system_.NoteActive({}, this);
}

void FormPeer::SetCaption(const std::string& caption) { gtk_window_set_title(Window(), ToGtk(caption).c_str()); }

void FormPeer::SetPicture(const std::string& name) { gtk_window_set_icon(Window(), system_.Pictures().Get(name, 32)); }

void FormPeer::SetColor(Color color) {
  color_ = color;
  gtk_widget_queue_draw(client_);
}

void FormPeer::SetBorder(BorderStyle border, const BorderIcons& icons) {
  const bool resized = border != border_;
  border_ = border;
  icons_ = icons;
  gtk_window_set_resizable(Window(), border == BorderStyle::Sizeable);
  gtk_window_set_decorated(Window(), border != BorderStyle::None);
  ApplyBorderHints();
  if (resized) ApplySize();
}

// GTK knows only the close button; the window manager's hints name each
// decoration and command, so exactly the designed ones appear.
void FormPeer::ApplyBorderHints() {
  GdkWindow* window = gtk_widget_get_window(Widget());
  if (!window) return;  // applied once realized
  const bool sizeable = border_ == BorderStyle::Sizeable;
  int functions = GDK_FUNC_MOVE;
  int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE;
  if (sizeable) {
    functions |= GDK_FUNC_RESIZE;
    decorations |= GDK_DECOR_RESIZEH;
  }
  if (icons_.systemMenu) {
    functions |= GDK_FUNC_CLOSE;
    decorations |= GDK_DECOR_MENU;
  }
  if (icons_.minimize) {
    functions |= GDK_FUNC_MINIMIZE;
    decorations |= GDK_DECOR_MINIMIZE;
  }
  if (icons_.maximize) {
    functions |= GDK_FUNC_MAXIMIZE;
    decorations |= GDK_DECOR_MAXIMIZE;
  }
  gdk_window_set_functions(window, static_cast<GdkWMFunction>(functions));
  if (border_ != BorderStyle::None) gdk_window_set_decorations(window, static_cast<GdkWMDecoration>(decorations));
}

void FormPeer::SetMenu(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures) {
  if (menuBar_) gtk_widget_destroy(menuBar_);
  menuBar_ = nullptr;
  menu_.reset();  // with the bar whose menus it may still be making
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
  Report(MenuCommand{commandId});
}

void FormPeer::SetWindowState(WindowState state) {
  switch (state) {
    case WindowState::Maximized:
      gtk_window_deiconify(Window());
      gtk_window_maximize(Window());
      break;
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
  // While GTK lays the window out, the paint follows the layout.
  if (!window || reporting_) return;
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
  return static_cast<FormPeer*>(self)->Report(KeyDown{key.key, key.shift, key.ch}) ? TRUE : FALSE;
}

gboolean FormPeer::OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer self) {
  // The class library decides whether the window closes, and hides it itself.
  static_cast<FormPeer*>(self)->Report(CloseRequest{});
  return TRUE;
}

gboolean FormPeer::OnFocusInEvent(GtkWidget*, GdkEventFocus*, gpointer self) {
  auto* form = static_cast<FormPeer*>(self);
  // A window disabled behind a modal one cannot become active, though a
  // window manager or a person may still give it the keyboard focus.
  if (!gtk_widget_is_sensitive(form->Widget())) return FALSE;
  form->system_.NoteActive({}, form);
  form->Report(Activate{});
  return FALSE;
}

gboolean FormPeer::OnConfigureEvent(GtkWidget*, GdkEventConfigure*, gpointer self) {
  static_cast<FormPeer*>(self)->TakeWindowManagersFrame();
  return FALSE;
}

gboolean FormPeer::OnMapEvent(GtkWidget*, GdkEvent*, gpointer self) {
  static_cast<FormPeer*>(self)->TakeWindowManagersFrame();
  return FALSE;
}

gboolean FormPeer::OnWindowStateEvent(GtkWidget*, GdkEventWindowState* event, gpointer self) {
  constexpr auto kShown = GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_MAXIMIZED;
  if (!(event->changed_mask & kShown)) return FALSE;
  const WindowState state = event->new_window_state & GDK_WINDOW_STATE_ICONIFIED   ? WindowState::Minimized
                            : event->new_window_state & GDK_WINDOW_STATE_MAXIMIZED ? WindowState::Maximized
                                                                                    : WindowState::Normal;
  static_cast<FormPeer*>(self)->Report(StateChanged{state});
  return FALSE;
}

void FormPeer::OnRealize(GtkWidget*, gpointer self) { static_cast<FormPeer*>(self)->ApplyBorderHints(); }

gboolean FormPeer::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  auto* form = static_cast<FormPeer*>(self);
  CairoCanvas canvas(cr);
  canvas.FillRect({0, 0, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget)},
                  form->color_);
  form->Report(Paint{canvas});
  return FALSE;
}

}  // namespace platform::gtk
