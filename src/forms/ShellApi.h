#pragma once
// The desktop calls the windows make, with the names and arguments of the
// platform they were designed for: ShellExecuteA hands a document or address
// to the program kept for it, WinExec starts a program. Both go to the window
// system's shell; each answers whether something was started.
#include "forms/TWinControl.h"

constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// owner, parameters and directory may be null.
bool ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                   int showCmd);
bool WinExec(const char* cmdLine, int cmdShow);
