#include "platform/gtk/MenuBar.h"

#include "GtkTestSupport.h"
#include "platform/gtk/PictureStore.h"
#include "rtl/CodePage.h"

using platform::MenuEntry;
using platform::gtk::MenuBar;
using platform::gtk::PictureStore;

namespace {

constexpr int kOptions = 1;  // "&Možnosti" on the bar
constexpr int kNoCommand = 0;

// 8-bit captions, as the class library sends them.
MenuEntry Item(int id, const char* caption, const char* shortcut = "", bool enabled = true,
               std::vector<MenuEntry> children = {}) {
  return {id, Utf8ToAnsi(caption), shortcut, -1, enabled, std::move(children)};
}

const std::vector<MenuEntry>& Menus() {
  static const std::vector<MenuEntry> menus{
      Item(1, "&Soubor", "", true, {Item(2, "&Tisk")}),
      Item(10, "&Možnosti", "", true,
           {Item(11, "&Zpět"), Item(12, "&Stop", "Del"), Item(13, "&Aktualizovat", "F5"),
            Item(14, "&Domů", "", false), Item(15, "&Oblíbené"),
            Item(16, "&Weby", "", true, {Item(17, "&Seznam")}), Item(18, "pod_trž&ítko")}),
      Item(30, "&Nápověda", "F1"),
  };
  return menus;
}

// The texts of the labels in the widget, in order.
std::vector<std::string> Labels(GtkWidget* widget) {
  if (GTK_IS_LABEL(widget)) return {gtk_label_get_text(GTK_LABEL(widget))};
  std::vector<std::string> texts;
  if (!GTK_IS_CONTAINER(widget)) return texts;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
  for (GList* i = children; i; i = i->next)
    for (std::string& text : Labels(GTK_WIDGET(i->data))) texts.push_back(std::move(text));
  g_list_free(children);
  return texts;
}

GtkWidget* Child(GtkWidget* shell, int index) {
  GList* children = gtk_container_get_children(GTK_CONTAINER(shell));
  auto* child = static_cast<GtkWidget*>(g_list_nth_data(children, index));
  g_list_free(children);
  return child;
}

GtkWidget* SubMenu(GtkWidget* shell, int index) {
  return gtk_menu_item_get_submenu(GTK_MENU_ITEM(Child(shell, index)));
}

// A key press as the X server delivers it to the window the widget is in.
void Press(GtkWidget* widget, guint keyval, guint state = 0) {
  GdkEvent* event = gtktest::NewKeyPress(gtk_widget_get_window(gtk_widget_get_toplevel(widget)), keyval, state);
  event->key.send_event = TRUE;
  gtk_main_do_event(event);
  gdk_event_free(event);
}

class MenuBarTest : public gtktest::DisplayTest {
 protected:
  void SetUp() override {
    gtktest::DisplayTest::SetUp();
    if (IsSkipped()) return;
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    bar_ = menu_.Build(Menus(), {});
    gtk_container_add(GTK_CONTAINER(window_), bar_);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKeyPressEvent), this);
    gtk_widget_show_all(window_);
    gtktest::Settle();
  }
  void TearDown() override {
    if (window_) gtk_widget_destroy(window_);
  }

  // Opens the bar's menu as the class library does on Alt and its letter:
  // from the window's key handler.
  bool Open(int index) {
    toOpen_ = index;
    Press(window_, GDK_KEY_m, GDK_MOD1_MASK);
    return gtktest::RunUntil([&] { return gtk_widget_get_mapped(SubMenu(bar_, index)); });
  }
  void CloseMenus() {
    gtk_menu_shell_deactivate(GTK_MENU_SHELL(bar_));
    gtktest::Settle();
  }
  // The command chosen, once one is expected; else after what is pending ran.
  int Chosen(bool expected = true) {
    if (expected)
      gtktest::RunUntil([&] { return !chosen_.empty(); });
    else
      gtktest::Settle();
    return chosen_.empty() ? kNoCommand : chosen_.back();
  }

  static gboolean OnKeyPressEvent(GtkWidget*, GdkEventKey*, gpointer self) {
    auto* test = static_cast<MenuBarTest*>(self);
    gtk_menu_shell_select_item(GTK_MENU_SHELL(test->bar_), Child(test->bar_, test->toOpen_));
    return TRUE;
  }

  PictureStore pictures_;
  std::vector<int> chosen_;
  MenuBar menu_{pictures_, [this](int id) { chosen_.push_back(id); }};
  GtkWidget* window_ = nullptr;
  GtkWidget* bar_ = nullptr;
  int toOpen_ = 0;
};

}  // namespace

TEST_F(MenuBarTest, ItemsShowTheirCaptionAndTheShortcutAsTheClassLibraryNamesIt) {
  using Texts = std::vector<std::string>;
  GtkWidget* options = SubMenu(bar_, kOptions);
  const struct {
    GtkWidget* item;
    Texts texts;
  } cases[] = {
      {Child(options, 1), {"Stop", "Del"}},
      {Child(options, 2), {"Aktualizovat", "F5"}},
      {Child(bar_, 2), {"Nápověda", "F1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Labels(c.item), c.texts);
}

TEST_F(MenuBarTest, ALetterTypedInAnOpenMenuChoosesTheItemWithThatAccessKey) {
  const struct {
    const char* what;
    guint keyval;
    guint state;
    int chosen;
  } cases[] = {
      {"o", GDK_KEY_o, 0, 15},
      {"capital O", GDK_KEY_O, GDK_SHIFT_MASK, 15},
      {"O with Caps Lock", GDK_KEY_O, GDK_LOCK_MASK, 15},
      {"Alt+O", GDK_KEY_o, GDK_MOD1_MASK, 15},
      {"í, after an underscore", GDK_KEY_iacute, 0, 18},
      {"Ctrl+O", GDK_KEY_o, GDK_CONTROL_MASK, kNoCommand},
      {"d of a disabled item", GDK_KEY_d, 0, kNoCommand},
      {"x of no item", GDK_KEY_x, 0, kNoCommand},
  };
  GtkWidget* options = SubMenu(bar_, kOptions);
  for (const auto& c : cases) {
    chosen_.clear();
    ASSERT_TRUE(Open(kOptions)) << c.what;
    Press(options, c.keyval, c.state);
    EXPECT_EQ(Chosen(c.chosen != kNoCommand), c.chosen) << c.what;
    // A chosen command closes the menu before it runs; any other key leaves it open.
    EXPECT_EQ(gtk_widget_get_mapped(options), c.chosen == kNoCommand) << c.what;
    EXPECT_LE(chosen_.size(), 1u) << c.what;
    CloseMenus();
  }
}

TEST_F(MenuBarTest, AnAccessKeyOpensASubMenuWhoseOwnKeysThenWin) {
  GtkWidget* options = SubMenu(bar_, kOptions);
  GtkWidget* sites = SubMenu(options, 5);
  ASSERT_TRUE(Open(kOptions));
  Press(options, GDK_KEY_w);
  ASSERT_TRUE(gtktest::RunUntil([&] { return gtk_widget_get_mapped(sites); }));
  EXPECT_TRUE(chosen_.empty());
  // "&Stop" in the menu behind has the same key.
  Press(sites, GDK_KEY_s);
  EXPECT_EQ(Chosen(), 17);
  EXPECT_TRUE(gtktest::RunUntil([&] { return !gtk_widget_get_mapped(sites) && !gtk_widget_get_mapped(options); }));
}
