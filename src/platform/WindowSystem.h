#pragma once
// The window system the class library runs on: peers, the message loop,
// timers, the desktop, its shell and the message box.
#include <functional>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/ControlPeer.h"
#include "platform/PeerEvent.h"
#include "platform/Shell.h"
#include "platform/WebEngine.h"

namespace platform {

// How the process was asked to show its main window.
enum class StartShowState { Normal, Maximized, Minimized };

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // parent is null for a form.
  virtual std::unique_ptr<IControlPeer> CreatePeer(PeerKind kind, IControlPeer* parent,
                                                   IPeerListener& listener) = 0;
  // A web view: a peer whose Engine() is the web engine.
  virtual std::unique_ptr<IControlPeer> CreateWebView(IControlPeer* parent, IPeerListener& listener) = 0;

  // Runs the message loop until done() holds after a message.
  virtual void RunLoop(const std::function<bool()>& done) = 0;
  // Handles what is queued now, then returns.
  virtual void ProcessMessages() = 0;
  // Queues work to run from the message loop.
  virtual void Post(std::function<void()> work) = 0;

  // Periodic timer; returns 0 when the system grants none.
  virtual int StartTimer(int intervalMs, std::function<void()> tick) = 0;
  virtual void StopTimer(int id) = 0;

  virtual Rect WorkArea() = 0;
  // The screen's resolution, which turns font sizes in points into pixels.
  virtual int PixelsPerInch() = 0;
  // The room a label's text takes in the font: on one line, or broken
  // between words to fit wrapWidth when that is above 0.
  virtual Size MeasureText(const std::string& text, const FontSpec& font, int wrapWidth) = 0;
  virtual StartShowState StartShow() = 0;
  // The whole application to the task bar.
  virtual void MinimizeApplication() = 0;

  virtual IClock& Clock() = 0;
  virtual IShell& Shell() = 0;

  // A modal box with a stop icon and one OK button.
  virtual void ShowErrorBox(const std::string& text, const std::string& caption) = 0;
  // The desktop's modal printer and page set-up dialog; true when confirmed.
  virtual bool RunPrinterSetup() = 0;

  // Called from the message loop when the desktop asks the program to end:
  // the session is ending, the program was told to stop, the display went
  // away. Null while nobody listens.
  virtual void SetSessionEndHandler(std::function<void()> handler) = 0;
};

}  // namespace platform
