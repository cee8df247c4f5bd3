#include "forms/ShellApi.h"

#include "forms/TApplication.h"

namespace {

std::string OrEmpty(const char* text) { return text ? text : ""; }

}  // namespace

bool ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                   int showCmd) {
  return Application->WindowSystem().Shell().Execute(
      {owner, OrEmpty(verb), OrEmpty(file), OrEmpty(parameters), OrEmpty(directory), showCmd});
}

bool WinExec(const char* cmdLine, int cmdShow) {
  return Application->WindowSystem().Shell().Run(OrEmpty(cmdLine), cmdShow);
}
