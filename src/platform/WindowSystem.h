#pragma once
// The window system the class library runs on: peers, the message loop,
// timers, the desktop, its shell and the message box.
#include <functional>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/FormPeer.h"
#include "platform/PeerEvent.h"
#include "platform/Peers.h"
#include "platform/Shell.h"
#include "platform/WebEngine.h"

namespace platform {

// How the process was asked to show its main window.
enum class StartShowState { Normal, Maximized, Minimized };

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // A peer of each role, reporting to the listener; parent is the peer of
  // the control the new one stands on.
  virtual std::unique_ptr<IFormPeer> CreateFormPeer(IPeerListener& listener) = 0;
  virtual std::unique_ptr<IContainerPeer> CreateContainerPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  // A tool bar inside a control bar: the user can drag it along the bar and off it.
  virtual std::unique_ptr<IContainerPeer> CreateControlBandPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<ITabControlPeer> CreateTabControlPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IButtonPeer> CreateButtonPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  // A flat button of a tool bar: its picture only, and it never takes the focus.
  virtual std::unique_ptr<IButtonPeer> CreateSpeedButtonPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IEditPeer> CreateEditPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IComboBoxPeer> CreateComboBoxPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  // A list with a check box on each entry.
  virtual std::unique_ptr<IListPeer> CreateCheckListBoxPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IStatusBarPeer> CreateStatusBarPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IShapePeer> CreateShapePeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<ILabelPeer> CreateLabelPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IMemoPeer> CreateMemoPeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IImagePeer> CreateImagePeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IAnimatePeer> CreateAnimatePeer(IControlPeer& parent, IPeerListener& listener) = 0;
  virtual std::unique_ptr<IWebViewPeer> CreateWebViewPeer(IControlPeer& parent, IPeerListener& listener) = 0;

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
