#pragma once
// A class-library application on the headless window system, for tests that
// build their own windows, and what every headless test reads off the screen.
// The global Application points at it while it lives.
#include <string>
#include <vector>

#include "forms/TApplication.h"
#include "platform/headless/HeadlessDriver.h"

inline platform::headless::HeadlessPeer& PeerOf(const TControl* control) {
  return platform::headless::HeadlessDriver::Peer(control->Peer());
}

// The texts of the message boxes shown so far.
inline std::vector<std::string> MessageTexts(const platform::headless::HeadlessWindowSystem& system) {
  std::vector<std::string> texts;
  for (const auto& box : system.MessageBoxes()) texts.push_back(box.text);
  return texts;
}

class HeadlessApp {
 public:
  HeadlessApp() : app_(system_) { Application = &app_; }
  ~HeadlessApp() {
    app_.DestroyWindows();
    Application = nullptr;
  }
  HeadlessApp(const HeadlessApp&) = delete;
  HeadlessApp& operator=(const HeadlessApp&) = delete;

  platform::headless::HeadlessWindowSystem& System() { return system_; }
  platform::headless::HeadlessDriver& Ui() { return ui_; }
  TApplication& App() { return app_; }
  std::vector<std::string> Messages() const { return MessageTexts(system_); }

 private:
  platform::headless::HeadlessWindowSystem system_;
  platform::headless::HeadlessDriver ui_{system_};
  TApplication app_;
};
