#pragma once
// The web engine of the headless window system: a page history, a home and a
// search page, a record of every call, events a test raises and failures a
// test injects.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/WebEngine.h"
#include "platform/headless/HeadlessPeer.h"

namespace platform::headless {

class ScriptedWebView : public HeadlessPeer, public IWebViewPeer, public IWebEngine {
 public:
  ScriptedWebView(HeadlessWindowSystem& system, HeadlessPeer* parentPeer, IPeerListener& listener);

  IWebEngine& Engine() override { return *this; }

  // what the test sets up
  WideString homePage = u"http://home.test/";
  WideString searchPage = u"http://search.test/";
  // Operations ("Navigate", "GoBack", "LocationURL", ...) that fail with the given result.
  std::map<std::string, EngineResult> failures;
  // Keys the page itself uses.
  std::set<Word> pageAccelerators;

  // what the test reads
  std::vector<std::string> calls;  // "GoHome", "Navigate seznam.cz", "ExecWB 6 2", ...
  // The argument variants of each ExecWB call, input then output.
  std::vector<std::pair<const Variant*, const Variant*>> commandArguments;
  std::vector<WideString> history;
  int historyIndex = -1;
  // Overrides the address the engine reports, when set.
  bool locationOverridden = false;
  WideString location;
  int keysToPage = 0;

  // Events, delivered through the message loop.
  void RaiseDownloadBegin();
  void RaiseDownloadComplete();
  void RaiseTitleChange(const WideString& title);
  void RaisePrintFailed(const WideString& description);

  void SetEngineListener(IWebEngineListener* listener) override { engineListener_ = listener; }
  EngineResult Navigate(const WideString& url) override;
  EngineResult GoBack() override;
  EngineResult GoForward() override;
  EngineResult GoHome() override;
  EngineResult GoSearch() override;
  EngineResult Refresh() override;
  EngineResult Stop() override;
  EngineResult ExecWB(int command, int option, Variant* in, Variant* out) override;
  EngineResult LocationURL(WideString& url) override;
  bool HandlesAccelerator(Word key, TShiftState shift) override;

  WideString CurrentPage() const;

 private:
  // Records the call; the injected failure for it, if any.
  bool Fails(const std::string& call, const std::string& op, EngineResult& result);
  void Open(const WideString& url);
  // Hands an engine event to the listener from the message loop.
  void Raise(std::function<void(IWebEngineListener&)> event);

  IWebEngineListener* engineListener_ = nullptr;
};

}  // namespace platform::headless
