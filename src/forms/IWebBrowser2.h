#pragma once
// The web control's own command interface, as its wrapper hands it out: a
// counted reference that the caller releases. The result of a command carries
// the control's description of an error with its code.
#include "platform/WebEngine.h"

using VARIANT = platform::Variant;
constexpr std::uint16_t VT_EMPTY = platform::kVariantEmpty;
using ULONG = unsigned long;

class IWebBrowser2 {
 public:
  // Holds the one reference of whoever makes it.
  explicit IWebBrowser2(platform::IWebEngine& engine) : engine_(engine) {}
  IWebBrowser2(const IWebBrowser2&) = delete;
  IWebBrowser2& operator=(const IWebBrowser2&) = delete;

  // Each answers how many references are left; the last release frees it.
  ULONG AddRef() { return ++references_; }
  ULONG Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  platform::EngineResult ExecWB(int cmdID, int cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut) {
    return engine_.ExecWB(cmdID, cmdexecopt, pvaIn, pvaOut);
  }

 private:
  ~IWebBrowser2() = default;

  platform::IWebEngine& engine_;
  ULONG references_ = 1;
};
