#pragma once
// What a person does, for tests: keys, typing, clicks, ticks, menus, window
// moves. Each input goes to the class library exactly as a native control
// would report it; what the class library leaves alone gets the native handling.
#include <initializer_list>
#include <string>

#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/headless/ScriptedWebView.h"

namespace platform::headless {

class HeadlessDriver {
 public:
  explicit HeadlessDriver(HeadlessWindowSystem& system) : system_(system) {}

  // A key pressed in the active window; true when the class library used it up.
  bool PressKey(Word key, TShiftState shift = {});
  // Characters typed one by one (8-bit text), each as its key.
  void Type(const std::string& text);

  void Click(IControlPeer* peer);
  void Hover(IControlPeer* peer, bool inside);
  void Focus(IControlPeer* peer);
  void Tick(IControlPeer* list, int index, bool checked);
  void Select(IControlPeer* list, int index);
  void SetDropDown(IControlPeer* combo, bool open);
  // Chooses an item of the window's menu by its captions, menu-bar entry first.
  void ChooseMenu(IControlPeer* window, std::initializer_list<std::string> captions);
  void CloseWindow(IControlPeer* window);
  void ActivateWindow(IControlPeer* window);
  void MoveResize(IControlPeer* window, const Rect& bounds);
  // The window manager minimises, maximises or restores the window.
  void ChangeWindowState(IControlPeer* window, WindowState state);

  HeadlessWindowSystem& System() { return system_; }
  static HeadlessPeer& Peer(IControlPeer* peer) { return dynamic_cast<HeadlessPeer&>(*peer); }
  static ScriptedWebView& WebView(IControlPeer* peer) { return dynamic_cast<ScriptedWebView&>(*peer); }

 private:
  bool PressKeyChar(Word key, TShiftState shift, char ch);
  bool Send(IControlPeer* peer, const PeerEvent& event);
  HeadlessWindowSystem& system_;
};

}  // namespace platform::headless
