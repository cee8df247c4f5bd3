#pragma once
// A run of the whole program on the headless window system, in a fresh
// current folder: a test writes the list files, queues what the user does
// (each step runs when the program waits for input), then runs the program.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "platform/headless/HeadlessDriver.h"
#include "rtl/CurrentDirGuard.h"
#include "rtl/TempDir.h"

class ProgramScenario : public ::testing::Test {
 public:
  ProgramScenario();

  // A step of the user's, run when the program waits for input.
  void Then(std::function<void()> step) { system.QueueScript(std::move(step)); }
  // Runs the program to its end; returns its exit code.
  int RunProgram();

  static platform::headless::HeadlessPeer& Peer(const TControl* control) {
    return platform::headless::HeadlessDriver::Peer(control->Peer());
  }
  platform::headless::ScriptedWebView& Web() const {
    return platform::headless::HeadlessDriver::WebView(Form1->WebBrowser1->Peer());
  }
  std::vector<std::string> Messages() const;
  // The current folder's full path.
  const std::string& Folder() const { return dir.Path(); }

  TempDir dir;
  CurrentDirGuard inFolder{dir.Path()};
  platform::headless::HeadlessWindowSystem system;
  platform::headless::HeadlessDriver ui{system};
};
