#pragma once
// A shell for tests: it starts nothing and records every request, in order.
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace platform::headless {

class RecordingShell : public IShell {
 public:
  struct CommandRun {
    std::string commandLine;
    int show = 0;
  };

  bool Execute(const ShellExecution& request) override {
    executions_.push_back(request);
    return available_;
  }
  bool Run(const std::string& commandLine, int show) override {
    runs_.push_back({commandLine, show});
    return available_;
  }

  // A desktop with no program for anything: every request fails.
  void SetAvailable(bool available) { available_ = available; }
  const std::vector<ShellExecution>& Executions() const { return executions_; }
  const std::vector<CommandRun>& Runs() const { return runs_; }

 private:
  bool available_ = true;
  std::vector<ShellExecution> executions_;
  std::vector<CommandRun> runs_;
};

}  // namespace platform::headless
