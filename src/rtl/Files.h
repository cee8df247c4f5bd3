#pragma once
// Whole-file access and the system's error texts. File names are ANSI text;
// they reach the system as UTF-8.
#include <cerrno>
#include <string>

#include "rtl/AnsiString.h"
#include "rtl/FileDescriptor.h"

// The full path of name against the current directory; "." and ".." are
// resolved by text alone, links are not followed.
AnsiString ExpandFileName(const AnsiString& name);

// The folder part of a system path; "." for a bare name.
std::string FolderOf(const std::string& path);

// Creates a private file named prefix and six characters that make the name
// unused; name gets the name, or stays empty with errno set on a failure.
FileDescriptor CreateUniqueFile(const std::string& prefix, std::string& name);

// The system's text for an errno value, without the trailing full stop.
AnsiString SysErrorMessage(int errnoValue);

// Drops trailing blanks, control characters and full stops.
AnsiString TrimErrorText(const AnsiString& text);

// What a file operation reports for a path that names neither a regular
// file nor a folder: a pipe, a device, a socket.
constexpr int kNotARegularFile = EINVAL;

// Reads a regular file whole without ever blocking: a pipe or a device is
// refused before anything is read. path is the system's own (UTF-8).
// Returns 0, or the errno that refused the file.
int ReadRegularFile(const std::string& path, std::string& bytes);
// The same for a file already open, read from where it stands.
int ReadRegularFile(const FileDescriptor& file, std::string& bytes);

// Raises EFOpenError when the file is missing, is not a regular file or
// cannot be read.
AnsiString ReadWholeFile(const AnsiString& name);
