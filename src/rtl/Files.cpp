#include "rtl/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

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

AnsiString ResolveDots(std::string_view absolute) {
  std::vector<std::string_view> segments;
  while (!absolute.empty()) {
    const std::size_t slash = absolute.find('/');
    const std::string_view segment = absolute.substr(0, slash);
    absolute.remove_prefix(slash == std::string_view::npos ? absolute.size() : slash + 1);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
  }
  AnsiString path;
  for (const std::string_view segment : segments) (path += '/') += segment;
  return path.empty() ? AnsiString("/") : path;
}

// strerror_r comes in a GNU and a POSIX flavour; these take the text from
// whichever the C library provides.
[[maybe_unused]] const char* ErrorText(int result, const char* buffer) {
  return result == 0 ? buffer : "";
}
[[maybe_unused]] const char* ErrorText(const char* result, const char*) { return result; }

// The permission bits to keep when the target exists. Refuses a folder and a
// read-only file, which the rename would otherwise replace regardless.
std::optional<mode_t> ModeToKeep(const AnsiString& name, const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return std::nullopt;
  if (S_ISDIR(info.st_mode)) throw EFCreateError(name, EISDIR);
  if ((info.st_mode & S_IWUSR) == 0) throw EFCreateError(name, EACCES);
  if (::access(target.c_str(), W_OK) != 0) throw EFCreateError(name, errno);
  return info.st_mode & 07777;
}

std::string TempNameFor(const std::string& target) {
  static std::atomic<std::uint64_t> counter{0};
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  // splitmix64 scrambles pid, clock and counter into an unguessable suffix.
  std::uint64_t x = now ^ (static_cast<std::uint64_t>(::getpid()) << 40) ^ (counter++ * 0x9E3779B97F4A7C15u);
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
  x ^= x >> 31;
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string name = target + '.';
  for (int i = 0; i < 6; ++i, x /= 62) name += kAlphabet[x % 62];
  return name;
}

// Opens a new file beside the target under an unused name. The kernel
// applies the umask to the mode, which is what a new target should get.
int CreateBeside(const std::string& target, mode_t mode, std::string& tempName) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = TempNameFor(target);
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

AnsiString ExpandFileName(const AnsiString& name) {
  if (!name.empty() && name.front() == '/') return ResolveDots(name);
  return ResolveDots(CurrentDirectory() + '/' + name);
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
  if (!file.IsOpen()) return errno;
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

FileReplacement::FileReplacement(const AnsiString& name) : name_(name), target_(OsName(name)), file_(-1) {
  const std::optional<mode_t> kept = ModeToKeep(name_, target_);
  // A replacement starts private and gets the old bits once it is ours.
  file_ = FileDescriptor(CreateBeside(target_, kept ? 0600 : 0666, tempName_));
  if (!file_.IsOpen()) throw EFCreateError(name_, errno);
  if (kept && ::fchmod(file_.Get(), *kept) != 0) {
    const int error = errno;
    ::unlink(tempName_.c_str());
    throw EFCreateError(name_, error);
  }
}

FileReplacement::~FileReplacement() {
  if (!committed_ && !tempName_.empty()) ::unlink(tempName_.c_str());
}

void FileReplacement::Write(std::string_view bytes) {
  if (!file_.WriteAll(bytes)) throw EWriteError();
}

void FileReplacement::Commit() {
  // Flushed to the disk before the rename, so a crash cannot leave the new
  // name pointing at data that was never written.
  if (::fsync(file_.Get()) != 0 || !file_.Close()) throw EWriteError();
  if (::rename(tempName_.c_str(), target_.c_str()) != 0) throw EFCreateError(name_, errno);
  committed_ = true;
}
