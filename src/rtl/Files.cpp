#include "rtl/Files.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"
#include "rtl/FileDescriptor.h"

namespace {

std::string OsName(const AnsiString& name) { return AnsiToUtf8(name); }

AnsiString CurrentDirectory() {
  std::error_code error;
  const std::filesystem::path cwd = std::filesystem::current_path(error);
  return error ? AnsiString() : Utf8ToAnsi(cwd.native());
}

// The path with "." and ".." resolved and doubled slashes dropped, by text
// alone, and no slash at the end but the root's.
AnsiString ResolveDots(const AnsiString& absolute) {
  AnsiString path = std::filesystem::path(absolute).lexically_normal().native();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// strerror_r comes in a GNU and a POSIX flavour; these take the text from
// whichever the C library provides.
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
  return result == 0 ? buffer : "";
}
[[maybe_unused]] const char* ErrorText(const char* result, const char*) { return result; }

}  // namespace

AnsiString ExpandFileName(const AnsiString& name) {
  if (!name.empty() && name.front() == '/') return ResolveDots(name);
  return ResolveDots(CurrentDirectory() + '/' + name);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

FileDescriptor CreateUniqueFile(const std::string& prefix, std::string& name) {
  name = prefix + "XXXXXX";
  FileDescriptor file(::mkostemp(name.data(), O_CLOEXEC));
  if (!file.IsOpen()) {
    const int error = errno;
    name.clear();
    errno = error;
  }
  return file;
}

AnsiString SysErrorMessage(int errnoValue) {
  char buffer[256] = "";
  const char* text = ErrorText(strerror_r(errnoValue, buffer, sizeof buffer), buffer);
  return TrimErrorText(Utf8ToAnsi(text));
}

AnsiString TrimErrorText(const AnsiString& text) {
  std::size_t end = text.size();
  while (end > 0 && (static_cast<unsigned char>(text[end - 1]) <= ' ' || text[end - 1] == '.')) --end;
  return text.substr(0, end);
}

// Opened without blocking, so a pipe with no writer cannot hold the
// program; whatever the name turned out to be is checked before a read.
int ReadRegularFile(const std::string& path, std::string& bytes) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  return file.IsOpen() ? ReadRegularFile(file, bytes) : errno;
}

int ReadRegularFile(const FileDescriptor& file, std::string& bytes) {
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) return errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (!S_ISREG(info.st_mode)) return kNotARegularFile;
  return file.ReadAll(static_cast<std::size_t>(info.st_size), bytes) ? 0 : errno;
}

AnsiString ReadWholeFile(const AnsiString& name) {
  AnsiString text;
  if (const int error = ReadRegularFile(OsName(name), text)) throw EFOpenError(name, error);
  return text;
}
