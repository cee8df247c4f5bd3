#pragma once
// A run of the whole program on the headless window system, in a fresh
// current folder: a test writes the list files, queues what the user does
// (each step runs when the program waits for input), then runs the program.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Project1.h"
#include "app/Unit1.h"
#include "support/HeadlessApp.h"
#include "support/TempDir.h"

class ProgramScenario : public ::testing::Test {
 public:
  ProgramScenario() { system.SetWorkArea({0, 0, 1280, 994}); }

  // A step of the user's, run when the program waits for input.
  void Then(std::function<void()> step) { system.QueueScript(std::move(step)); }
  // The same, with a check at the end of the test that it ran: a program
  // that ends early would skip the checks of the steps left.
  void Step(std::function<void()> step) {
    ++stepsLeft_;
    Then([this, step = std::move(step)] {
      --stepsLeft_;
      step();
    });
  }
  void TearDown() override { EXPECT_EQ(stepsLeft_, 0) << "the program ended before every step ran"; }
  // Runs the program to its end; returns its exit code.
  int RunProgram() { return Project1(system); }

  static platform::headless::HeadlessPeer& Peer(const TControl* control) { return PeerOf(control); }
  platform::headless::ScriptedWebView& Web() const {
    return platform::headless::HeadlessDriver::WebView(Form1->WebBrowser1->Peer());
  }
  std::vector<std::string> Messages() const { return MessageTexts(system); }
  // The report of a failed file operation on a file of the current folder.
  std::string FileError(const char* action, const char* name, const char* reason) const {
    return std::string(action) + " \"" + dir.File(name) + "\". " + reason + ".";
  }

  TempDir dir;
  CurrentDirGuard inFolder{dir.Path()};
  platform::headless::HeadlessWindowSystem system;
  platform::headless::HeadlessDriver ui{system};

 private:
  int stepsLeft_ = 0;
};

// A run that starts with both list files there and empty, so that every
// message box comes from the case itself.
class EmptyListsScenario : public ProgramScenario {
 public:
  EmptyListsScenario() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "");
  }
};
