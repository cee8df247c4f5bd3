#include "platform/gtk/MenuBar.h"

#include "platform/gtk/AccessKeyText.h"
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/PictureStore.h"

namespace platform::gtk {

namespace {

constexpr int kMenuPictureSize = 16;
constexpr int kPictureGap = 6;  // between an item's picture and its text
constexpr int kShortcutGap = 24;
constexpr const char* kCommandKey = "kalnor-command";
constexpr const char* kAccessKey = "kalnor-access-key";

// The shortcut as the class library names it ("Del", not GTK's "Delete"),
// right-aligned like an accelerator.
void AddShortcut(GtkBox* box, const std::string& text) {
  if (text.empty()) return;
  GtkWidget* shortcut = gtk_label_new(ToGtk(text).c_str());
  gtk_style_context_add_class(gtk_widget_get_style_context(shortcut), "dim-label");
  gtk_widget_set_margin_start(shortcut, kShortcutGap);
  gtk_box_pack_end(box, shortcut, FALSE, FALSE, 0);
}

}  // namespace

MenuBar::MenuBar(PictureStore& pictures, std::function<void(int)> command)
    : store_(pictures), command_(std::move(command)) {}

MenuBar::~MenuBar() {
  if (makingBarMenus_) g_source_remove(makingBarMenus_);
}

GtkWidget* MenuBar::Build(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures) {
  pictures_ = pictures;
  GtkWidget* bar = gtk_menu_bar_new();
  for (const MenuEntry& entry : entries) gtk_menu_shell_append(GTK_MENU_SHELL(bar), MakeItem(entry, true));
  g_signal_connect(bar, "button-release-event", G_CALLBACK(OnButtonReleaseEvent), this);
  // Ahead of the display's events, which come at the default priority.
  if (!barMenus_.empty() && !makingBarMenus_)
    makingBarMenus_ = g_idle_add_full(G_PRIORITY_HIGH, OnMakeBarMenus, this, nullptr);
  return bar;
}

gboolean MenuBar::OnMakeBarMenus(gpointer self) {
  auto* menu = static_cast<MenuBar*>(self);
  menu->makingBarMenus_ = 0;
  for (const auto& [item, entries] : menu->barMenus_) {
    GtkWidget* items = menu->MakeMenu(entries);
    gtk_widget_show_all(items);
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), items);
  }
  menu->barMenus_.clear();
  return G_SOURCE_REMOVE;
}

GtkWidget* MenuBar::MakeMenu(const std::vector<MenuEntry>& entries) {
  GtkWidget* menu = gtk_menu_new();
  for (const MenuEntry& entry : entries) gtk_menu_shell_append(GTK_MENU_SHELL(menu), MakeItem(entry, false));
  g_signal_connect(menu, "key-press-event", G_CALLBACK(OnMenuKeyPressEvent), nullptr);
  return menu;
}

GtkWidget* MenuBar::MakeItem(const MenuEntry& entry, bool onBar) {
  if (entry.caption == "-") return gtk_separator_menu_item_new();
  GtkWidget* item = gtk_menu_item_new();
  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, kPictureGap);
  const bool hasPicture = entry.imageIndex >= 0 && entry.imageIndex < static_cast<int>(pictures_.size());
  GdkPixbuf* picture = hasPicture ? store_.Get(pictures_[entry.imageIndex], kMenuPictureSize) : nullptr;
  if (picture) gtk_box_pack_start(GTK_BOX(box), gtk_image_new_from_pixbuf(picture), FALSE, FALSE, 0);
  GtkWidget* label = gtk_label_new("");
  AccessKeyText::Show(GTK_LABEL(label), entry.caption);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_box_pack_start(GTK_BOX(box), label, TRUE, TRUE, 0);
  AddShortcut(GTK_BOX(box), entry.shortcutText);
  // Items without a picture keep their text in line with the others.
  if (!picture && !onBar) gtk_widget_set_margin_start(label, kMenuPictureSize + kPictureGap);
  gtk_container_add(GTK_CONTAINER(item), box);
  gtk_widget_set_sensitive(item, entry.enabled);
  g_object_set_data(G_OBJECT(item), kAccessKey, GUINT_TO_POINTER(AccessKeyText::KeyOf(entry.caption)));
  if (!entry.children.empty() && onBar) {
    barMenus_.emplace_back(item, entry.children);
  } else if (!entry.children.empty()) {
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), MakeMenu(entry.children));
  } else {
    g_object_set_data(G_OBJECT(item), kCommandKey, GINT_TO_POINTER(entry.commandId));
    g_signal_connect(item, "activate", G_CALLBACK(OnActivate), this);
  }
  return item;
}

// GTK runs a command on the bar only on a second click or a long press; one
// click is enough on the desktop the program comes from.
gboolean MenuBar::OnButtonReleaseEvent(GtkWidget* bar, GdkEventButton* event, gpointer self) {
  GtkWidget* item = gtk_menu_shell_get_selected_item(GTK_MENU_SHELL(bar));
  if (event->button != 1 || !item || gtk_menu_item_get_submenu(GTK_MENU_ITEM(item))) return FALSE;
  gtk_menu_shell_deactivate(GTK_MENU_SHELL(bar));
  OnActivate(GTK_MENU_ITEM(item), self);
  return TRUE;
}

// An open menu chooses the item whose access key is typed, in either case and
// with or without Alt, highlighted item or not, as on the desktop the program
// comes from; GTK's own mnemonics want a highlighted item and the exact case.
// A command closes the menus before it runs; a sub-menu opens.
gboolean MenuBar::OnMenuKeyPressEvent(GtkWidget* menu, GdkEventKey* event, gpointer) {
  const gunichar typed = g_unichar_tolower(gdk_keyval_to_unicode(event->keyval));
  if (typed == 0 || (event->state & GDK_CONTROL_MASK)) return FALSE;
  GtkWidget* chosen = nullptr;
  GList* items = gtk_container_get_children(GTK_CONTAINER(menu));
  for (GList* i = items; i && !chosen; i = i->next)
    if (GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(i->data), kAccessKey)) == typed) chosen = GTK_WIDGET(i->data);
  g_list_free(items);
  return chosen && gtk_widget_mnemonic_activate(chosen, FALSE);
}

void MenuBar::OnActivate(GtkMenuItem* item, gpointer self) {
  static_cast<MenuBar*>(self)->command_(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), kCommandKey)));
}

}  // namespace platform::gtk
