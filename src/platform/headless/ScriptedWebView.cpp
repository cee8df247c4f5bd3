#include "platform/headless/ScriptedWebView.h"

#include "platform/headless/HeadlessWindowSystem.h"
#include "rtl/HResult.h"

namespace platform::headless {

namespace {

std::string Narrow(const WideString& text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

ScriptedWebView::ScriptedWebView(HeadlessWindowSystem& system, HeadlessPeer* parentPeer, IPeerListener& listener)
    : HeadlessPeer(system, PeerKind::WebView, parentPeer, listener) {}

void ScriptedWebView::Raise(std::function<void(IWebEngineListener&)> event) {
  system_.Post([this, event = std::move(event)] {
    if (engineListener_) event(*engineListener_);
  });
}

void ScriptedWebView::RaiseDownloadBegin() {
  Raise([](IWebEngineListener& listener) { listener.EngineDownloadBegin(); });
}

void ScriptedWebView::RaiseDownloadComplete() {
  Raise([](IWebEngineListener& listener) { listener.EngineDownloadComplete(); });
}

void ScriptedWebView::RaiseTitleChange(const WideString& title) {
  Raise([title](IWebEngineListener& listener) { listener.EngineTitleChange(title); });
}

void ScriptedWebView::RaisePrintFailed(const WideString& description) {
  Raise([description](IWebEngineListener& listener) { listener.EnginePrintFailed(description); });
}

bool ScriptedWebView::Fails(const std::string& call, const std::string& op, EngineResult& result) {
  calls.push_back(call);
  const auto it = failures.find(op);
  if (it == failures.end()) return false;
  result = it->second;
  return true;
}

void ScriptedWebView::Open(const WideString& url) {
  history.resize(historyIndex + 1);
  history.push_back(url);
  historyIndex = static_cast<int>(history.size()) - 1;
}

EngineResult ScriptedWebView::Navigate(const WideString& url) {
  EngineResult result;
  if (!Fails("Navigate " + Narrow(url), "Navigate", result)) Open(url);
  return result;
}

EngineResult ScriptedWebView::GoBack() {
  EngineResult result;
  if (Fails("GoBack", "GoBack", result)) return result;
  if (historyIndex <= 0) return {hresult::Fail, {}};
  --historyIndex;
  return result;
}

EngineResult ScriptedWebView::GoForward() {
  EngineResult result;
  if (Fails("GoForward", "GoForward", result)) return result;
  if (historyIndex + 1 >= static_cast<int>(history.size())) return {hresult::Fail, {}};
  ++historyIndex;
  return result;
}

EngineResult ScriptedWebView::GoHome() {
  EngineResult result;
  if (!Fails("GoHome", "GoHome", result)) Open(homePage);
  return result;
}

EngineResult ScriptedWebView::GoSearch() {
  EngineResult result;
  if (!Fails("GoSearch", "GoSearch", result)) Open(searchPage);
  return result;
}

EngineResult ScriptedWebView::Refresh() {
  EngineResult result;
  Fails("Refresh", "Refresh", result);
  return result;
}

EngineResult ScriptedWebView::Stop() {
  EngineResult result;
  Fails("Stop", "Stop", result);
  return result;
}

EngineResult ScriptedWebView::ExecWB(int command, int option, Variant* in, Variant* out) {
  EngineResult result;
  commandArguments.emplace_back(in, out);
  Fails("ExecWB " + std::to_string(command) + " " + std::to_string(option), "ExecWB", result);
  return result;
}

EngineResult ScriptedWebView::LocationURL(WideString& url) {
  EngineResult result;
  if (!Fails("LocationURL", "LocationURL", result)) url = CurrentPage();
  return result;
}

WideString ScriptedWebView::CurrentPage() const {
  if (locationOverridden) return location;
  return historyIndex < 0 ? WideString() : history[historyIndex];
}

bool ScriptedWebView::HandlesAccelerator(Word key, TShiftState /*shift*/) {
  if (!pageAccelerators.contains(key)) return false;
  ++keysToPage;
  return true;
}

}  // namespace platform::headless
