#pragma once
// The peer of a top-level window: its title, icon, frame, menu bar and
// state, painting the client area, and modal display.
#include <string>
#include <vector>

#include "platform/ControlPeer.h"
#include "platform/MenuModel.h"

namespace platform {

enum class WindowState { Normal, Minimized, Maximized };
enum class BorderStyle { Sizeable, Single, None };

// What a window's title bar offers besides moving it.
struct BorderIcons {
  bool systemMenu = true;  // the window menu and the close button
  bool minimize = true;
  bool maximize = true;
  bool operator==(const BorderIcons&) const = default;
};

class IFormPeer : public virtual IControlPeer {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  // The window's icon.
  virtual void SetPicture(const std::string& name) = 0;
  virtual void SetBorder(BorderStyle border, const BorderIcons& icons) = 0;
  // pictures: the menu's picture list, which entries name by index.
  virtual void SetMenu(const std::vector<MenuEntry>& entries, const std::vector<std::string>& pictures) = 0;
  // Drops down the menu of the menu-bar entry.
  virtual void OpenMenu(int index) = 0;
  virtual void SetWindowState(WindowState state) = 0;
  // Paints the whole client area now.
  virtual void Repaint() = 0;
  virtual void BeginModal() = 0;
  virtual void EndModal() = 0;
};

}  // namespace platform
