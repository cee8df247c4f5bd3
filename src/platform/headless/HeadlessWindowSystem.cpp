#include "platform/headless/HeadlessWindowSystem.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "platform/headless/ScriptedWebView.h"

namespace platform::headless {

std::unique_ptr<HeadlessPeer> HeadlessWindowSystem::Make(PeerKind kind, IControlPeer* parent,
                                                         IPeerListener& listener) {
  return std::make_unique<HeadlessPeer>(*this, kind, dynamic_cast<HeadlessPeer*>(parent), listener);
}

std::unique_ptr<IFormPeer> HeadlessWindowSystem::CreateFormPeer(IPeerListener& listener) {
  return Make(PeerKind::Form, nullptr, listener);
}

std::unique_ptr<IContainerPeer> HeadlessWindowSystem::CreateContainerPeer(IControlPeer& parent,
                                                                          IPeerListener& listener) {
  return Make(PeerKind::Container, &parent, listener);
}

std::unique_ptr<IContainerPeer> HeadlessWindowSystem::CreateControlBandPeer(IControlPeer& parent,
                                                                            IPeerListener& listener) {
  return Make(PeerKind::ControlBand, &parent, listener);
}

std::unique_ptr<ITabControlPeer> HeadlessWindowSystem::CreateTabControlPeer(IControlPeer& parent,
                                                                            IPeerListener& listener) {
  return Make(PeerKind::TabControl, &parent, listener);
}

std::unique_ptr<IButtonPeer> HeadlessWindowSystem::CreateButtonPeer(IControlPeer& parent, IPeerListener& listener) {
  return Make(PeerKind::Button, &parent, listener);
}

std::unique_ptr<IButtonPeer> HeadlessWindowSystem::CreateSpeedButtonPeer(IControlPeer& parent,
                                                                         IPeerListener& listener) {
  return Make(PeerKind::SpeedButton, &parent, listener);
}

std::unique_ptr<IEditPeer> HeadlessWindowSystem::CreateEditPeer(IControlPeer& parent, IPeerListener& listener) {
  return Make(PeerKind::Edit, &parent, listener);
}

std::unique_ptr<IComboBoxPeer> HeadlessWindowSystem::CreateComboBoxPeer(IControlPeer& parent,
                                                                        IPeerListener& listener) {
  return Make(PeerKind::ComboBox, &parent, listener);
}

std::unique_ptr<IListPeer> HeadlessWindowSystem::CreateCheckListBoxPeer(IControlPeer& parent,
                                                                        IPeerListener& listener) {
  return Make(PeerKind::CheckListBox, &parent, listener);
}

std::unique_ptr<IStatusBarPeer> HeadlessWindowSystem::CreateStatusBarPeer(IControlPeer& parent,
                                                                          IPeerListener& listener) {
  return Make(PeerKind::StatusBar, &parent, listener);
}

std::unique_ptr<IShapePeer> HeadlessWindowSystem::CreateShapePeer(IControlPeer& parent, IPeerListener& listener) {
  return Make(PeerKind::Shape, &parent, listener);
}

std::unique_ptr<ILabelPeer> HeadlessWindowSystem::CreateLabelPeer(IControlPeer& parent, IPeerListener& listener) {
  return Make(PeerKind::Label, &parent, listener);
}

std::unique_ptr<IMemoPeer> HeadlessWindowSystem::CreateMemoPeer(IControlPeer& parent, IPeerListener& listener) {
  return Make(PeerKind::Memo, &parent, listener);
}

std::unique_ptr<IImagePeer> HeadlessWindowSystem::CreateImagePeer(IControlPeer& parent, IPeerListener& listener) {
  return Make(PeerKind::Image, &parent, listener);
}

std::unique_ptr<IAnimatePeer> HeadlessWindowSystem::CreateAnimatePeer(IControlPeer& parent,
                                                                      IPeerListener& listener) {
  return Make(PeerKind::Animate, &parent, listener);
}

std::unique_ptr<IWebViewPeer> HeadlessWindowSystem::CreateWebViewPeer(IControlPeer& parent,
                                                                      IPeerListener& listener) {
  return std::make_unique<ScriptedWebView>(*this, dynamic_cast<HeadlessPeer*>(&parent), listener);
}

void HeadlessWindowSystem::Unregister(Badge<HeadlessPeer>, HeadlessPeer* peer) {
  std::erase(peers_, peer);
  std::erase(invalidWindows_.windows, peer);
  std::erase(placedWindows_.windows, peer);
  if (focusedPeer_ == peer) focusedPeer_ = nullptr;
  if (activeWindow_ == peer) activeWindow_ = nullptr;
}

void HeadlessWindowSystem::NoteFocus(Badge<HeadlessPeer>, HeadlessPeer* peer) {
  activeWindow_ = peer->Window();
  if (peer != activeWindow_)
    focusedPeer_ = peer;
  else if (focusedPeer_ && focusedPeer_->Window() != activeWindow_)
    focusedPeer_ = nullptr;
}

void HeadlessWindowSystem::WindowPlaced(Badge<HeadlessPeer>, HeadlessPeer* window) {
  if (windowManagerFrame_) Queue(placedWindows_, window);
}

void HeadlessWindowSystem::Queue(WindowQueue& queue, HeadlessPeer* window) {
  if (std::ranges::find(queue.windows, window) != queue.windows.end()) return;
  if (queue.windows.empty()) Post([this, &queue] { RunQueue(queue); });
  queue.windows.push_back(window);
}

void HeadlessWindowSystem::RunQueue(WindowQueue& queue) {
  const std::vector<HeadlessPeer*> windows = std::exchange(queue.windows, {});
  for (HeadlessPeer* window : windows)
    // The work may destroy a window further down the list.
    if (std::ranges::find(peers_, window) != peers_.end() && window->Showing()) (window->*queue.work)();
}

void HeadlessWindowSystem::Post(std::function<void()> work) { posted_.push_back(std::move(work)); }

void HeadlessWindowSystem::ProcessMessages() {
  while (!posted_.empty()) {
    auto work = std::move(posted_.front());
    posted_.pop_front();
    work();
  }
}

// Handles one posted message, or else one step of the user's; false when
// there is nothing left to do.
bool HeadlessWindowSystem::RunNext(const std::function<bool()>& done) {
  if (!posted_.empty()) {
    auto work = std::move(posted_.front());
    posted_.pop_front();
    work();
    return true;
  }
  if (done() || scripts_.empty()) return false;
  auto step = std::move(scripts_.front());
  scripts_.pop_front();
  step();
  return true;
}

void HeadlessWindowSystem::RunLoop(const std::function<bool()>& done) {
  ++loopDepth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{loopDepth_};
  while (!done()) {
    if (RunNext(done)) continue;
    if (done()) break;
    if (loopDepth_ > 1) throw LoopStarved{};
    break;
  }
}

int HeadlessWindowSystem::StartTimer(int intervalMs, std::function<void()> tick) {
  if (!timersAvailable_) return 0;
  const int id = nextTimerId_++;
  timers_[id] = Timer{intervalMs, now_ + intervalMs, std::move(tick)};
  return id;
}

void HeadlessWindowSystem::StopTimer(int id) { timers_.erase(id); }

void HeadlessWindowSystem::AdvanceTime(int ms) {
  const long long end = now_ + ms;
  for (;;) {
    auto next = std::min_element(timers_.begin(), timers_.end(),
                                 [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
    if (next == timers_.end() || next->second.due > end) break;
    now_ = next->second.due;
    next->second.due += next->second.interval;
    auto tick = next->second.tick;
    tick();
    ProcessMessages();
  }
  now_ = end;
}

Size HeadlessWindowSystem::MeasureText(const std::string& text, const FontSpec& font, int wrapWidth) {
  const int pixels = std::abs(font.height);
  const int charWidth = (pixels + 1) / 2 + (font.bold ? 1 : 0);
  const int lineHeight = pixels + pixels / 4;
  if (wrapWidth <= 0) return {charWidth * static_cast<int>(text.size()), lineHeight};
  // Words go on the line while they fit; a longer word stands alone.
  int lines = 1;
  int used = 0;  // characters on the current line
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const int length = static_cast<int>(word.size());
    if (used > 0 && (used + 1 + length) * charWidth > wrapWidth) {
      ++lines;
      used = length;
    } else {
      used += (used > 0 ? 1 : 0) + length;
    }
  }
  return {wrapWidth, lines * lineHeight};
}

void HeadlessWindowSystem::ShowErrorBox(const std::string& text, const std::string& caption) {
  messageBoxes_.push_back({text, caption});
}

}  // namespace platform::headless
