#pragma once
// For tests that need a display: GTK started once, a listener that records
// what peers report, and a way to let the main loop run until something holds.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <functional>
#include <vector>

#include "platform/PeerEvent.h"

namespace gtktest {

class DisplayTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
  }
};

class RecordingListener : public platform::IPeerListener {
 public:
  bool OnPeerEvent(const platform::PeerEvent& event) override {
    events.push_back(event);
    return consume;
  }
  std::vector<platform::PeerEvent> Of(platform::PeerEventKind kind) const {
    std::vector<platform::PeerEvent> found;
    for (const auto& e : events)
      if (e.kind == kind) found.push_back(e);
    return found;
  }

  std::vector<platform::PeerEvent> events;
  bool consume = true;
};

// Runs the main loop until the condition holds or two seconds pass.
bool RunUntil(const std::function<bool()>& condition);
// Runs what is pending now.
void Settle();

}  // namespace gtktest
