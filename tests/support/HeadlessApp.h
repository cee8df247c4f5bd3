#pragma once
// A class-library application on the headless window system, for tests that
// build their own windows. The global Application points at it while it lives.
#include "forms/TApplication.h"
#include "platform/headless/HeadlessDriver.h"

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

  static platform::headless::HeadlessPeer& Peer(const TControl* control) {
    return platform::headless::HeadlessDriver::Peer(control->Peer());
  }
  // The texts of the message boxes shown so far.
  std::vector<std::string> Messages() const;

 private:
  platform::headless::HeadlessWindowSystem system_;
  platform::headless::HeadlessDriver ui_{system_};
  TApplication app_;
};
