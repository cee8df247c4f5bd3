#pragma once
// Time of day as text, by a format with the specifiers h, hh, n, nn, s, ss
// and ':' (the time separator).
#include <optional>
#include <string>

#include "rtl/AnsiString.h"

struct TTime {
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// The separator the format's ':' stands for: the locale's when it is one
// character, ":" when it cannot be read or is longer, nothing when empty.
AnsiString EffectiveTimeSeparator(const std::optional<std::string>& localeSeparator);

AnsiString FormatTime(const AnsiString& format, const TTime& time, const AnsiString& separator);
