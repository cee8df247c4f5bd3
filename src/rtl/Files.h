#pragma once
// Whole-file access and the system's error texts. File names are ANSI text;
// they reach the system as UTF-8.
#include <string_view>

#include "rtl/AnsiString.h"

// The full path of name against the current directory; "." and ".." are
// resolved by text alone, links are not followed.
AnsiString ExpandFileName(const AnsiString& name);

// The system's text for an errno value, without the trailing full stop.
AnsiString SysErrorMessage(int errnoValue);

// Drops trailing blanks, control characters and full stops.
AnsiString TrimErrorText(const AnsiString& text);

// Raises EFOpenError when the file is missing, is a folder or cannot be read.
AnsiString ReadWholeFile(const AnsiString& name);

// Replaces the file in one step: other processes see the old or the new
// content, never a part. Raises EFCreateError when the file cannot be
// created or is read-only, EWriteError when the data does not fit; either
// way the old file stays as it was.
void WriteWholeFile(const AnsiString& name, std::string_view bytes);
