#pragma once
// The desktop's shell: GIO's default applications take documents and
// addresses ("mailto:" goes to the user's mail program).
#include "platform/Shell.h"

namespace platform::gtk {

class DesktopShell : public IShell {
 public:
  bool Execute(const ShellExecution& request) override;
  bool Run(const std::string& commandLine, int show) override;
};

}  // namespace platform::gtk
