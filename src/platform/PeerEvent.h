#pragma once
// What a peer reports upward: the one channel from the window system to the class library.
#include <string>

#include "platform/Canvas.h"
#include "platform/ControlPeer.h"
#include "platform/Geometry.h"
#include "platform/Keys.h"

namespace platform {

enum class PeerEventKind {
  KeyDown,        // key, shift, repeat; answered with "consumed"
  KeyPress,       // ch: a typed character; answered with "consumed"
  Click,          // a button, picture or label was clicked
  MouseEnter,
  MouseLeave,
  TextChanged,    // text, selStart, selLength: the user edited the text
  ItemSelected,   // index: the user chose a list entry
  ItemChecked,    // index, checked: the user ticked or unticked an entry
  DropDown,       // checked: the drop-down list opened (true) or closed (false)
  FocusIn,        // the control got the keyboard focus from the user
  MenuCommand,    // index: the command id of a chosen menu item
  Activate,       // the window became the active window of the desktop
  CloseRequest,   // the title-bar close button, the system menu or Alt+F4
  Resized,        // bounds, client: the window's outer bounds changed, or the client area it got
  Paint,          // canvas: the window system wants the client area painted
  StateChanged,   // state: the window was minimised, maximised or restored
};

struct PeerEvent {
  explicit PeerEvent(PeerEventKind k) : kind(k) {}
  PeerEventKind kind;
  Word key = 0;
  TShiftState shift;
  bool repeat = false;
  char ch = 0;              // 8-bit character in the ANSI code page
  std::string text;         // 8-bit text in the ANSI code page
  int selStart = 0;
  int selLength = 0;
  int index = -1;
  bool checked = false;
  Rect bounds;
  Size client;
  WindowState state = WindowState::Normal;
  ICanvas* canvas = nullptr;  // Paint: the surface of the client area
};

// The user chose the list entry.
inline PeerEvent ItemSelectedEvent(int index) {
  PeerEvent selected{PeerEventKind::ItemSelected};
  selected.index = index;
  return selected;
}

// The user opened (true) or closed (false) a drop-down list.
inline PeerEvent DropDownEvent(bool open) {
  PeerEvent dropDown{PeerEventKind::DropDown};
  dropDown.checked = open;
  return dropDown;
}

// Implemented by the class-library control that owns a peer.
class IPeerListener {
 public:
  virtual ~IPeerListener() = default;
  // Returns true when the class library used the event up; a peer then skips
  // the window system's own handling of it (typing a key, closing a window).
  virtual bool OnPeerEvent(const PeerEvent& event) = 0;
};

}  // namespace platform
