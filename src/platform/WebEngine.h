#pragma once
// The web engine behind the web control: each operation answers with a result
// code (negative = failure, with the engine's description of the error).
#include <cstdint>
#include <string>

#include "platform/Keys.h"

namespace platform {

using WideString = std::u16string;

// A command argument, as a tagged value. The commands in use take empty
// arguments, so no value is kept.
constexpr std::uint16_t kVariantEmpty = 0;
struct Variant {
  std::uint16_t type = kVariantEmpty;
};

// The one command ExecWB carries out: printing the page.
constexpr int kPrintCommand = 6;

struct EngineResult {
  std::int32_t code = 0;
  WideString description;  // why it failed; may be empty
  bool Failed() const { return code < 0; }
};

// Engine events, always delivered from the message loop.
class IWebEngineListener {
 public:
  virtual ~IWebEngineListener() = default;
  virtual void EngineDownloadBegin() = 0;
  virtual void EngineDownloadComplete() = 0;
  virtual void EngineTitleChange(const WideString& title) = 0;
  // A print job failed after the print command had been accepted.
  virtual void EnginePrintFailed(const WideString& description) = 0;
};

class IWebEngine {
 public:
  virtual ~IWebEngine() = default;
  virtual void SetEngineListener(IWebEngineListener* listener) = 0;
  virtual EngineResult Navigate(const WideString& url) = 0;
  virtual EngineResult GoBack() = 0;
  virtual EngineResult GoForward() = 0;
  virtual EngineResult GoHome() = 0;
  virtual EngineResult GoSearch() = 0;
  virtual EngineResult Refresh() = 0;
  virtual EngineResult Stop() = 0;
  virtual EngineResult ExecWB(int command, int option, Variant* in, Variant* out) = 0;
  virtual EngineResult LocationURL(WideString& url) = 0;
  // True when the page itself wants this key (its own accelerators).
  virtual bool HandlesAccelerator(Word key, TShiftState shift) = 0;
};

}  // namespace platform
