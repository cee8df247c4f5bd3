#pragma once
// The desktop's shell: GIO's default applications take documents and
// addresses ("mailto:" goes to the user's mail program). The Internet Options
// panel is the engine's settings file, opened with the desktop's program for it.
#include <string>

#include "platform/Shell.h"

namespace platform::gtk {

class DesktopShell : public IShell {
 public:
  explicit DesktopShell(std::string engineSettingsFile) : engineSettingsFile_(std::move(engineSettingsFile)) {}

  bool Execute(const ShellExecution& request) override;
  bool Run(const std::string& commandLine, int show) override;

 private:
  std::string engineSettingsFile_;
};

}  // namespace platform::gtk
