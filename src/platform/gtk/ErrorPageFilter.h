#pragma once
// Keeps the engine's own error page from counting as a load of its own.
// When a load fails, the engine loads an error page in its place under the
// failed address: the failed navigation raises one begin and one complete,
// the error page nothing, and the failed address stands as the current one
// until the next load starts.
#include <string>

namespace platform::gtk {

class ErrorPageFilter {
 public:
  // A load failed; the engine has yet to decide on its error page.
  void LoadFailed(const std::string& address);
  // The engine shows no error page for the failure (a stop, a download).
  void NoErrorPage();

  // Whether the start or the end of a load goes on to the web control.
  bool PassStart(const std::string& address);
  bool PassFinish();
  bool PassTitle() const { return !errorPageExpected_ && !errorPageLoading_; }

  // The address whose error page is shown; empty for any other page.
  const std::string& FailedAddress() const { return failedAddress_; }

 private:
  std::string failedAddress_;
  bool errorPageExpected_ = false;
  bool errorPageLoading_ = false;
};

}  // namespace platform::gtk
