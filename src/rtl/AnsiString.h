#pragma once
// The program's two text types: 8-bit text in the ANSI code page
// (Windows-1250) and UTF-16 text.
#include <string>

using AnsiString = std::string;
using WideString = std::u16string;
