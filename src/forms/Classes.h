#pragma once
// Basic class-library types: the object root, colours and event signatures.
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/Keys.h"
#include "rtl/AnsiString.h"

class TObject {
 public:
  virtual ~TObject() = default;
};

using TColor = std::uint32_t;  // 0x00BBGGRR
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBtnFace = 0xD8E9EC;
constexpr TColor clWindowText = 0x000000;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// An event handler bound to a method of a window: OnClick = Bind(this, &TForm1::Konec1Click).
template <class Window, class... Args>
auto Bind(Window* window, void (Window::*method)(Args...)) {
  return [window, method](Args... args) { (window->*method)(std::forward<Args>(args)...); };
}

// Runs an event's handler when one is bound; what it raises goes on to the caller.
template <class Event, class... Args>
void CallEvent(const Event& event, Args&&... args) {
  if (event) event(std::forward<Args>(args)...);
}
