#pragma once
// Text written in the source (UTF-8) as 8-bit text in the ANSI code page:
// "Stránka se načítá..."_a.
#include <cstddef>

#include "rtl/CodePage.h"

inline AnsiString operator""_a(const char* text, std::size_t length) { return Utf8ToAnsi({text, length}); }
