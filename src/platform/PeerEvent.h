#pragma once
// What a peer reports upward: the one channel from the window system to the
// class library. Each kind of report is its own small type.
#include <string>
#include <variant>

#include "platform/Canvas.h"
#include "platform/FormPeer.h"
#include "platform/Geometry.h"
#include "platform/Keys.h"

namespace platform {

// A key went down in a window.
struct KeyDown {
  Word key = 0;
  TShiftState shift;
  char ch = 0;  // the character it types, 8-bit in the ANSI code page; 0 for none
};

// A button, picture or label was clicked.
struct Click {};

// The pointer came onto a label, or left it.
struct MouseEnter {};
struct MouseLeave {};

// The user edited the text of an edit box, or moved its caret or highlight.
struct EditChanged {
  std::string text;  // 8-bit in the ANSI code page
  int selStart = 0;
  int selLength = 0;
};

// The user chose a list entry.
struct ItemSelected {
  int index = -1;
};

// The user asked for an entry's tick to be set or cleared.
struct ItemChecked {
  int index = -1;
  bool checked = false;
};

// The drop-down list opened or closed.
struct DropDown {
  bool open = false;
};

// The control got the keyboard focus from the user.
struct FocusIn {};

// The user chose a menu item.
struct MenuCommand {
  int commandId = 0;
};

// The window became the active window of the desktop.
struct Activate {};

// The title-bar close button, the system menu or Alt+F4.
struct CloseRequest {};

// The window's outer bounds changed, or the client area it got.
struct Resized {
  Rect bounds;
  Size client;
};

// The window was minimised, maximised or restored.
struct StateChanged {
  WindowState state = WindowState::Normal;
};

// The window system wants the client area painted on the canvas.
struct Paint {
  ICanvas& canvas;
};

using PeerEvent = std::variant<KeyDown, Click, MouseEnter, MouseLeave, EditChanged, ItemSelected, ItemChecked,
                               DropDown, FocusIn, MenuCommand, Activate, CloseRequest, Resized, StateChanged, Paint>;

// Handlers for std::visit, one per kind: Overloaded{[](const Click&) {...}, ...}.
template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Implemented by the class-library control that owns a peer.
class IPeerListener {
 public:
  virtual ~IPeerListener() = default;
  // Returns true when the class library used the event up; a peer then skips
  // the window system's own handling of it (typing a key, closing a window).
  virtual bool OnPeerEvent(const PeerEvent& event) = 0;
};

}  // namespace platform
