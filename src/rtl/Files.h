#pragma once
// Whole-file access and the system's error texts. File names are ANSI text;
// they reach the system as UTF-8.
#include <cerrno>
#include <string>
#include <string_view>

#include "rtl/AnsiString.h"
#include "rtl/FileDescriptor.h"

// The full path of name against the current directory; "." and ".." are
// resolved by text alone, links are not followed.
AnsiString ExpandFileName(const AnsiString& name);

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

// Raises EFOpenError when the file is missing, is not a regular file or
// cannot be read.
AnsiString ReadWholeFile(const AnsiString& name);

// A new content for a file, written beside it and put in its place in one
// step: other processes see the old or the new content, never a part. Raises
// EFCreateError when the file cannot be created or is read-only, EWriteError
// when the data does not fit; either way the old file stays as it was.
class FileReplacement {
 public:
  explicit FileReplacement(const AnsiString& name);
  // Removes the new content when it was not committed.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  void Write(std::string_view bytes);
  // Flushes the new content and puts it in the file's place.
  void Commit();

 private:
  AnsiString name_;
  std::string target_;
  std::string tempName_;
  FileDescriptor file_;
  bool committed_ = false;
};

