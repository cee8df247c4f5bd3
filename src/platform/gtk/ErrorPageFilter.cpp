#include "platform/gtk/ErrorPageFilter.h"

namespace platform::gtk {

// The error page's own load can fail too, when another load replaces it;
// that says nothing about the address that failed.
void ErrorPageFilter::LoadFailed(const std::string& address) {
  if (errorPageLoading_) return;
  failedAddress_ = address;
  errorPageExpected_ = true;
}

void ErrorPageFilter::NoErrorPage() {
  if (errorPageLoading_) return;
  failedAddress_.clear();
  errorPageExpected_ = false;
}

// The error page starts under the failed address; a load of another
// address means the user went on before it came.
bool ErrorPageFilter::PassStart(const std::string& address) {
  errorPageLoading_ = errorPageExpected_ && address == failedAddress_;
  errorPageExpected_ = false;
  if (!errorPageLoading_) failedAddress_.clear();
  return !errorPageLoading_;
}

bool ErrorPageFilter::PassFinish() {
  if (!errorPageLoading_) return true;
  errorPageLoading_ = false;
  return false;
}

}  // namespace platform::gtk
