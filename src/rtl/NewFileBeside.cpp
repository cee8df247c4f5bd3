#include "rtl/NewFileBeside.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "rtl/Exceptions.h"
#include "rtl/Files.h"

namespace {

// Where the system shows an open file, which lets an unnamed file be linked in.
std::string ProcPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

bool UnnamedFilesUnsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

mode_t CurrentUmask() {
  // Read by setting it and back; needed only where no unnamed file can be made.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

bool CopyExtendedAttributes(const std::string& from, int to) {
  const ssize_t listSize = ::listxattr(from.c_str(), nullptr, 0);
  if (listSize < 0) return errno == ENOTSUP;
  std::string names(static_cast<std::size_t>(listSize), '\0');
  const ssize_t namesSize = ::listxattr(from.c_str(), names.data(), names.size());
  if (namesSize < 0) return false;
  for (std::size_t at = 0; at < static_cast<std::size_t>(namesSize); at += std::strlen(names.c_str() + at) + 1) {
    const char* name = names.c_str() + at;
    const ssize_t size = ::getxattr(from.c_str(), name, nullptr, 0);
    if (size < 0) return false;
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t valueSize = ::getxattr(from.c_str(), name, value.data(), value.size());
    if (valueSize < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(valueSize), 0) != 0)
      return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<NewFileBeside> NewFileBeside::ForNewFile(const AnsiString& name, const std::string& path) {
  std::unique_ptr<NewFileBeside> file(new NewFileBeside(name, path));
  if (const int error = file->Open(0666)) throw EFCreateError(name, error);
  return file;
}

std::unique_ptr<NewFileBeside> NewFileBeside::ToReplace(const AnsiString& name, const std::string& path,
                                                        const struct stat& old) {
  std::unique_ptr<NewFileBeside> file(new NewFileBeside(name, path));
  // Private until it has taken over the old file's owner and mode.
  if (file->Open(0600) != 0 || !file->TakeOver(old)) return nullptr;
  return file;
}

NewFileBeside::~NewFileBeside() {
  if (!committed_ && !newName_.empty()) ::unlink(newName_.c_str());
}

// The mode is the one a new file gets: the system's umask applies to it.
int NewFileBeside::Open(mode_t mode) {
  file_ = FileDescriptor(::open(FolderOf(path_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
  if (file_.IsOpen() && ::access(ProcPath(file_.Get()).c_str(), F_OK) == 0) {
    unnamed_ = true;
    return 0;
  }
  if (!file_.IsOpen() && !UnnamedFilesUnsupported(errno)) return errno;
  file_ = CreateUniqueFile(path_ + '.', newName_);
  if (!file_.IsOpen()) return errno;
  return ::fchmod(file_.Get(), mode & ~CurrentUmask()) == 0 ? 0 : errno;
}

bool NewFileBeside::TakeOver(const struct stat& old) const {
  struct stat now {};
  if (::fstat(file_.Get(), &now) != 0) return false;
  const bool sameOwner = now.st_uid == old.st_uid && now.st_gid == old.st_gid;
  if (!sameOwner && ::fchown(file_.Get(), old.st_uid, old.st_gid) != 0) return false;
  return ::fchmod(file_.Get(), old.st_mode & 07777) == 0 && CopyExtendedAttributes(path_, file_.Get());
}

void NewFileBeside::Write(std::string_view bytes) {
  if (!file_.WriteAll(bytes)) throw EWriteError();
}

// The name is found by creating a file under it, which then makes way for
// the link: a link cannot replace a file.
void NewFileBeside::GiveName() {
  if (!CreateUniqueFile(path_ + '.', newName_).IsOpen()) throw EFCreateError(name_, errno);
  ::unlink(newName_.c_str());
  if (::linkat(AT_FDCWD, ProcPath(file_.Get()).c_str(), AT_FDCWD, newName_.c_str(), AT_SYMLINK_FOLLOW) != 0) {
    const int error = errno;
    newName_.clear();
    throw EFCreateError(name_, error);
  }
  unnamed_ = false;
}

void NewFileBeside::Commit() {
  // Flushed to the disk before the swap, so a crash cannot leave the name
  // pointing at data that was never written.
  if (::fsync(file_.Get()) != 0) throw EWriteError();
  if (unnamed_) GiveName();
  if (!file_.Close()) throw EWriteError();
  if (::rename(newName_.c_str(), path_.c_str()) != 0) throw EFCreateError(name_, errno);
  committed_ = true;
}
