#pragma once
// Builds a GtkMenuBar from the class library's menu model. Choosing an item
// reports its command id; shortcuts are shown, never bound: the class library
// handles the keys, and opens the menus with theirs. Only an open menu, which
// holds the keyboard, takes its items' access keys itself. The bar's menus
// are made once the message loop runs, before it handles any input: nobody
// sees them before, and the window shows sooner.
#include <gtk/gtk.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/MenuModel.h"

namespace platform::gtk {

class PictureStore;

class MenuBar {
 public:
  MenuBar(PictureStore& pictures, std::function<void(int)> command);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  GtkWidget* Build(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures);

 private:
  GtkWidget* MakeItem(const MenuEntry& entry, bool onBar);
  GtkWidget* MakeMenu(const std::vector<MenuEntry>& entries);
  static gboolean OnMakeBarMenus(gpointer self);
  static gboolean OnButtonReleaseEvent(GtkWidget* bar, GdkEventButton* event, gpointer self);
  static gboolean OnMenuKeyPressEvent(GtkWidget* menu, GdkEventKey* event, gpointer);
  static void OnActivate(GtkMenuItem* item, gpointer self);

  PictureStore& store_;
  std::function<void(int)> command_;
  std::vector<std::string> pictures_;
  // The bar's items still without their menus, with what goes in them.
  std::vector<std::pair<GtkWidget*, std::vector<MenuEntry>>> barMenus_;
  guint makingBarMenus_ = 0;
};

}  // namespace platform::gtk
