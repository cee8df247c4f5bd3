#include "platform/headless/HeadlessDriver.h"

#include <stdexcept>

namespace platform::headless {

namespace {

// The character a key types, if any.
char CharOf(Word key, TShiftState shift) {
  switch (key) {
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return '\x1b';
    case VK_BACK: return '\b';
    case VK_SPACE: return ' ';
    default: break;
  }
  if (key >= 'A' && key <= 'Z') return static_cast<char>(shift.Contains(TShiftState::Shift) ? key : key + 32);
  if (key >= '0' && key <= '9') return static_cast<char>(key);
  return 0;
}

int FindCaption(const std::vector<MenuEntry>& entries, const std::string& caption) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].caption == caption) return static_cast<int>(i);
  throw std::invalid_argument("no menu entry " + caption);
}

}  // namespace

bool HeadlessDriver::Send(IControlPeer* peer, const PeerEvent& event) {
  const bool used = Peer(peer).Report(event);
  system_.ProcessMessages();
  return used;
}

bool HeadlessDriver::PressKey(Word key, TShiftState shift) { return PressKeyChar(key, shift, CharOf(key, shift)); }

bool HeadlessDriver::PressKeyChar(Word key, TShiftState shift, char ch) {
  HeadlessPeer* window = system_.ActiveWindow();
  if (!window || !window->enabled) return false;
  if (Send(window, KeyDown{key, shift, ch})) return true;
  if (HeadlessPeer* focused = system_.FocusedPeer(); focused && !shift.Contains(TShiftState::Ctrl) &&
                                                     !shift.Contains(TShiftState::Alt))
    focused->DefaultKey(key, ch);
  system_.ProcessMessages();
  return false;
}

void HeadlessDriver::Type(const std::string& text) {
  for (char c : text) {
    const bool upper = c >= 'A' && c <= 'Z';
    const Word key = (c >= 'a' && c <= 'z') ? static_cast<Word>(c - 32)
                     : (upper || (c >= '0' && c <= '9') || c == ' ') ? static_cast<Word>(c)
                                                                      : 0;
    PressKeyChar(key, upper ? TShiftState(TShiftState::Shift) : TShiftState(), c);
  }
}

void HeadlessDriver::Click(IControlPeer* peer) {
  HeadlessPeer& p = Peer(peer);
  if (!p.Showing() || !p.enabled || !p.Window()->enabled) throw std::logic_error("clicked a control a person cannot reach");
  Send(peer, platform::Click{});
}

void HeadlessDriver::Hover(IControlPeer* peer, bool inside) {
  if (inside)
    Send(peer, MouseEnter{});
  else
    Send(peer, MouseLeave{});
}

void HeadlessDriver::Focus(IControlPeer* peer) {
  Peer(peer).SetFocus();
  Send(peer, FocusIn{});
}

void HeadlessDriver::Tick(IControlPeer* list, int index, bool checked) {
  Send(list, ItemChecked{index, checked});
}

void HeadlessDriver::Select(IControlPeer* list, int index) {
  Peer(list).itemIndex = index;
  Send(list, ItemSelected{index});
}

void HeadlessDriver::SetDropDown(IControlPeer* combo, bool open) {
  Peer(combo).droppedDown = open;
  Send(combo, DropDown{open});
}

void HeadlessDriver::ChooseMenu(IControlPeer* window, std::initializer_list<std::string> captions) {
  const std::vector<MenuEntry>* entries = &Peer(window).menu;
  const MenuEntry* entry = nullptr;
  for (const std::string& caption : captions) {
    entry = &(*entries)[FindCaption(*entries, caption)];
    entries = &entry->children;
  }
  if (!entry) return;
  Send(window, MenuCommand{entry->commandId});
}

void HeadlessDriver::CloseWindow(IControlPeer* window) { Send(window, CloseRequest{}); }

void HeadlessDriver::ActivateWindow(IControlPeer* window) {
  Peer(window).SetFocus();
  Send(window, Activate{});
}

void HeadlessDriver::MoveResize(IControlPeer* window, const Rect& bounds) {
  HeadlessPeer& form = Peer(window);
  form.SetBounds(bounds);
  Send(window, Resized{bounds, {form.ClientRect().width, form.ClientRect().height}});
}

void HeadlessDriver::ChangeWindowState(IControlPeer* window, WindowState state) {
  Peer(window).SetWindowState(state);
  Send(window, StateChanged{state});
}

}  // namespace platform::headless
