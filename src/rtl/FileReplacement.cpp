#include "rtl/FileReplacement.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "rtl/InPlaceRewrite.h"
#include "rtl/NewFileBeside.h"

namespace {

constexpr int kMostLinksFollowed = 40;

// The file a name finally stands for, following links as opening it would;
// a link to nothing yet gives the path where the file will be created.
std::string FollowLinks(const AnsiString& name) {
  std::string path = AnsiToUtf8(name);
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length < 0) return path;  // no link: what it is, the checks tell
    if (length == sizeof target) throw EFCreateError(name, ENAMETOOLONG);
    const std::string next(target, static_cast<std::size_t>(length));
    path = next.front() == '/' ? next : FolderOf(path) + '/' + next;
  }
  throw EFCreateError(name, ELOOP);
}

// A folder, a pipe or a device is never replaced, and neither is a file
// that is read-only, even for a user whom the system would let write it.
void RefuseToReplace(const AnsiString& name, const std::string& path, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) throw EFCreateError(name, EISDIR);
  if (!S_ISREG(info.st_mode)) throw EFCreateError(name, kNotARegularFile);
  if ((info.st_mode & S_IWUSR) == 0) throw EFCreateError(name, EACCES);
  if (::access(path.c_str(), W_OK) != 0) throw EFCreateError(name, errno);
}

}  // namespace

FileReplacement::FileReplacement(const AnsiString& name) {
  const std::string path = FollowLinks(name);
  struct stat old {};
  if (::stat(path.c_str(), &old) != 0) {
    if (errno != ENOENT) throw EFCreateError(name, errno);
    method_ = NewFileBeside::ForNewFile(name, path);
    return;
  }
  RefuseToReplace(name, path, old);
  // A new file cannot stand in for one that has other names.
  if (old.st_nlink == 1) method_ = NewFileBeside::ToReplace(name, path, old);
  if (!method_) method_ = std::make_unique<InPlaceRewrite>(name, path);
}

FileReplacement::~FileReplacement() = default;

void FileReplacement::Write(std::string_view bytes) { method_->Write(bytes); }

void FileReplacement::Commit() { method_->Commit(); }
