#pragma once
// Hand-offs to the desktop: a document or address given to the program the
// desktop keeps for it, and a program started on its own. Neither waits for
// the program it starts. Text is 8-bit, in the ANSI code page.
#include <string>

#include "platform/ControlPeer.h"

namespace platform {

// What ShellExecute is asked to do.
struct ShellExecution {
  IControlPeer* owner = nullptr;  // the window the handler's windows belong to; null: none
  std::string verb;               // "open"
  std::string file;               // a document, or an address such as "mailto:..."
  std::string parameters;
  std::string directory;
  int show = 0;                   // how the handler's first window shows
};

class IShell {
 public:
  virtual ~IShell() = default;
  // False when no program could take it.
  virtual bool Execute(const ShellExecution& request) = 0;
  // Starts the program a command line names; false when none started.
  virtual bool Run(const std::string& commandLine, int show) = 0;
};

}  // namespace platform
