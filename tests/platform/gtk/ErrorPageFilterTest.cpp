#include "platform/gtk/ErrorPageFilter.h"

#include <gtest/gtest.h>

#include <sstream>

using platform::gtk::ErrorPageFilter;

namespace {

// Plays the engine's events, written "start ADDRESS", "fail ADDRESS",
// "no error page", "title" and "finish", and tells what reached the web
// control, each finish with the address it reports.
std::string Play(const std::string& events) {
  ErrorPageFilter filter;
  std::istringstream in(events);
  std::string passed;
  for (std::string event; std::getline(in, event, ',');) {
    std::istringstream words(event);
    std::string verb, address;
    words >> verb >> address;
    if (verb == "start" && filter.PassStart(address)) passed += "begin ";
    if (verb == "fail") filter.LoadFailed(address);
    if (verb == "no") filter.NoErrorPage();
    if (verb == "title" && filter.PassTitle()) passed += "title ";
    if (verb != "finish" || !filter.PassFinish()) continue;
    const std::string& failed = filter.FailedAddress();
    passed += failed.empty() ? "complete " : "complete(" + failed + ") ";
  }
  return passed;
}

}  // namespace

TEST(ErrorPageFilter, AFailedLoadRaisesOneBeginAndOneCompleteAndItsErrorPageNothing) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"start a, title, finish", "begin title complete "},
      {"start a, fail a, finish, start a, title, finish", "begin complete(a) "},
      {"start a, fail a, finish, start a, finish, start b, finish", "begin complete(a) begin complete "},
      // Stopped, or turned into a download: no error page follows.
      {"start a, fail a, no error page, finish, start a, finish", "begin complete begin complete "},
      // Another load replaces the error page while it loads, or before it starts.
      {"start a, fail a, finish, start a, fail a, no error page, finish, start b, finish",
       "begin complete(a) begin complete "},
      {"start a, fail a, finish, start b, title, finish", "begin complete(a) begin title complete "},
      // The error page's address is the failed one only until the next load.
      {"start a, fail a, finish, start a, finish, start a, finish", "begin complete(a) begin complete "},
  };
  for (const auto& [events, passed] : cases) EXPECT_EQ(Play(events), passed) << events;
}
