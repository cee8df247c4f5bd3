#pragma once
// The start-up block: the whole life of the program on a given window system.
#include "platform/WindowSystem.h"

// Returns the process exit code.
int Project1(platform::IWindowSystem& windowSystem);
