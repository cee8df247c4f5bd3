#pragma once
// Conversions between ANSI text (Windows-1250), UTF-16 and UTF-8, and
// case-insensitive comparison of Czech text.
#include <string>
#include <string_view>

#include "rtl/AnsiString.h"

// Characters the code page cannot hold become '?'.
WideString AnsiToWide(const AnsiString& text);
AnsiString WideToAnsi(const WideString& text);
std::string AnsiToUtf8(std::string_view text);
AnsiString Utf8ToAnsi(std::string_view text);

AnsiString AnsiUpperCase(const AnsiString& text);
// Negative, zero or positive like strcmp, ignoring case.
int AnsiCompareText(const AnsiString& left, const AnsiString& right);
bool AnsiStartsText(std::string_view prefix, std::string_view text);
