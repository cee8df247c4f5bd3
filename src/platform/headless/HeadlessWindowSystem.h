#pragma once
// A window system in memory, for tests: peers are plain records, time moves
// only when the test says so, and the message loop runs the test's scripts
// whenever it would wait for the user.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/FrameMetrics.h"
#include "platform/WindowSystem.h"
#include "platform/headless/HeadlessPeer.h"
#include "platform/headless/RecordingShell.h"
#include "platform/headless/ScriptedClock.h"
#include "rtl/Badge.h"

namespace platform::headless {

// A loop inside a modal window waited for input that the test never queued.
struct LoopStarved {
  std::string what = "a modal loop is waiting for input the test did not queue";
};

class HeadlessWindowSystem : public IWindowSystem {
 public:
  struct MessageBox {
    std::string text;
    std::string caption;
  };

  std::unique_ptr<IFormPeer> CreateFormPeer(IPeerListener& listener) override;
  std::unique_ptr<IContainerPeer> CreateContainerPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IContainerPeer> CreateControlBandPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<ITabControlPeer> CreateTabControlPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IButtonPeer> CreateButtonPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IButtonPeer> CreateSpeedButtonPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IEditPeer> CreateEditPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IComboBoxPeer> CreateComboBoxPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IListPeer> CreateCheckListBoxPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IStatusBarPeer> CreateStatusBarPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IShapePeer> CreateShapePeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<ILabelPeer> CreateLabelPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IMemoPeer> CreateMemoPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IImagePeer> CreateImagePeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IAnimatePeer> CreateAnimatePeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IWebViewPeer> CreateWebViewPeer(IControlPeer& parent, IPeerListener& listener) override;
  void RunLoop(const std::function<bool()>& done) override;
  void ProcessMessages() override;
  void Post(std::function<void()> work) override;
  int StartTimer(int intervalMs, std::function<void()> tick) override;
  void StopTimer(int id) override;
  Rect WorkArea() override { return workArea_; }
  int PixelsPerInch() override { return pixelsPerInch_; }
  // A plain metric: each character half as wide as the font's pixel height
  // (rounded up), one pixel wider in bold; lines a quarter taller than that
  // height. Wrapping breaks at blanks.
  Size MeasureText(const std::string& text, const FontSpec& font, int wrapWidth) override;
  StartShowState StartShow() override { return startShow_; }
  void MinimizeApplication() override { applicationMinimized_ = true; }
  void ShowErrorBox(const std::string& text, const std::string& caption) override;
  // Nobody confirms it here; it is only counted.
  bool RunPrinterSetup() override {
    ++printerSetups_;
    return false;
  }
  void SetSessionEndHandler(std::function<void()> handler) override { sessionEnd_ = std::move(handler); }
  ScriptedClock& Clock() override { return clock_; }
  RecordingShell& Shell() override { return shell_; }

  // what a test sets up
  void SetWorkArea(const Rect& area) { workArea_ = area; }
  void SetPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }
  void SetStartShow(StartShowState state) { startShow_ = state; }
  void SetTimersAvailable(bool available) { timersAvailable_ = available; }
  // A window manager whose frame differs from the fixed table: windows then
  // report, from the message loop, the client area they really got.
  void SetWindowManagerFrame(const Insets& frame) { windowManagerFrame_ = frame; }
  // A step of the user's, run when a message loop waits for input. The
  // outermost loop ends when no step is left.
  void QueueScript(std::function<void()> step) { scripts_.push_back(std::move(step)); }
  // The desktop asks the program to end, as logging out would.
  void EndSession() {
    if (sessionEnd_) sessionEnd_();
  }
  // Moves the clock on, firing due timers in order.
  void AdvanceTime(int ms);

  // what a test reads
  const std::vector<MessageBox>& MessageBoxes() const { return messageBoxes_; }
  bool ApplicationMinimized() const { return applicationMinimized_; }
  int PrinterSetups() const { return printerSetups_; }
  HeadlessPeer* ActiveWindow() const { return activeWindow_; }
  HeadlessPeer* FocusedPeer() const { return focusedPeer_; }
  const std::vector<HeadlessPeer*>& Peers() const { return peers_; }
  long long Now() const { return now_; }
  int RunningTimers() const { return static_cast<int>(timers_.size()); }
  int LoopDepth() const { return loopDepth_; }
  const std::optional<Insets>& WindowManagerFrame() const { return windowManagerFrame_; }

  // peers tell the system
  void Register(Badge<HeadlessPeer>, HeadlessPeer* peer) { peers_.push_back(peer); }
  void Unregister(Badge<HeadlessPeer>, HeadlessPeer* peer);
  void NoteFocus(Badge<HeadlessPeer>, HeadlessPeer* peer);
  // Queues a paint of the whole window, run from the message loop if the
  // window is showing by then.
  void InvalidateWindow(Badge<HeadlessPeer>, HeadlessPeer* window) { Queue(invalidWindows_, window); }
  // Queues the report of the window's size, under a window manager of its own frame.
  void WindowPlaced(Badge<HeadlessPeer>, HeadlessPeer* window);

 private:
  struct Timer {
    int interval;
    long long due;
    std::function<void()> tick;
  };

  // Windows waiting for work that the message loop does once for each.
  struct WindowQueue {
    std::vector<HeadlessPeer*> windows;
    void (HeadlessPeer::*work)();
  };

  // A peer of the kind standing on parent; a window has none.
  std::unique_ptr<HeadlessPeer> Make(PeerKind kind, IControlPeer* parent, IPeerListener& listener);
  bool RunNext(const std::function<bool()>& done);
  void Queue(WindowQueue& queue, HeadlessPeer* window);
  void RunQueue(WindowQueue& queue);

  Rect workArea_{0, 0, 1600, 1000};
  int pixelsPerInch_ = 96;
  StartShowState startShow_ = StartShowState::Normal;
  bool timersAvailable_ = true;
  bool applicationMinimized_ = false;
  std::deque<std::function<void()>> posted_;
  std::deque<std::function<void()>> scripts_;
  std::map<int, Timer> timers_;
  int nextTimerId_ = 1;
  long long now_ = 0;
  int loopDepth_ = 0;
  std::vector<MessageBox> messageBoxes_;
  int printerSetups_ = 0;
  std::vector<HeadlessPeer*> peers_;
  WindowQueue invalidWindows_{{}, &HeadlessPeer::Repaint};
  WindowQueue placedWindows_{{}, &HeadlessPeer::ReportSize};
  std::optional<Insets> windowManagerFrame_;
  HeadlessPeer* activeWindow_ = nullptr;
  HeadlessPeer* focusedPeer_ = nullptr;
  ScriptedClock clock_;
  RecordingShell shell_;
  std::function<void()> sessionEnd_;
};

}  // namespace platform::headless
