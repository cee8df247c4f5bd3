#pragma once
// Czech alphabetical order for 8-bit text (Windows-1250): letters without
// regard to case and accents first ("ch" after "h"; "č", "ř", "š" and "ž"
// as letters of their own), then accents, then case (small first), then bytes.
// Everything that is not a letter sorts before the letters, in byte order.
#include "rtl/AnsiString.h"

// Negative, zero or positive like strcmp.
int CzechCompare(const AnsiString& left, const AnsiString& right);
