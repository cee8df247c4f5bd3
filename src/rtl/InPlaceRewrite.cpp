#include "rtl/InPlaceRewrite.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

#include "rtl/Exceptions.h"
#include "rtl/Files.h"

namespace {

std::string TemporaryFolder() {
  const char* folder = ::getenv("TMPDIR");
  return folder && *folder ? folder : "/tmp";
}

std::string BaseName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

InPlaceRewrite::InPlaceRewrite(const AnsiString& name, const std::string& path)
    : file_(::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
  if (!file_.IsOpen()) throw EFCreateError(name, errno);
  if (const int error = ReadRegularFile(file_, oldContent_)) throw EFCreateError(name, error);
  if (::lseek(file_.Get(), 0, SEEK_SET) != 0) throw EFCreateError(name, errno);
  MakeBackup(name, path);
}

InPlaceRewrite::~InPlaceRewrite() {
  if (!committed_ && PutOldContentBack()) ::unlink(backupName_.c_str());
}

// On the disk before the file is touched, so that a crash cannot take the
// old content with it.
void InPlaceRewrite::MakeBackup(const AnsiString& name, const std::string& path) {
  int error = 0;
  for (const std::string& folder : {FolderOf(path), TemporaryFolder()}) {
    FileDescriptor backup = CreateUniqueFile(folder + '/' + BaseName(path) + '.', backupName_);
    if (!backup.IsOpen()) {
      error = errno;
      continue;
    }
    if (backup.WriteAll(oldContent_) && ::fsync(backup.Get()) == 0 && backup.Close()) return;
    error = errno;
    ::unlink(backupName_.c_str());
  }
  backupName_.clear();
  throw EFCreateError(name, error);
}

bool InPlaceRewrite::Overwrite(std::string_view bytes) const {
  return ::lseek(file_.Get(), 0, SEEK_SET) == 0 && file_.WriteAll(bytes) &&
         ::ftruncate(file_.Get(), static_cast<off_t>(bytes.size())) == 0 && ::fsync(file_.Get()) == 0;
}

bool InPlaceRewrite::PutOldContentBack() const { return Overwrite(oldContent_); }

void InPlaceRewrite::Write(std::string_view bytes) {
  if (!file_.WriteAll(bytes)) throw EWriteError();
  written_ += bytes.size();
}

void InPlaceRewrite::Commit() {
  if (::ftruncate(file_.Get(), static_cast<off_t>(written_)) != 0 || ::fsync(file_.Get()) != 0) throw EWriteError();
  committed_ = true;
  ::unlink(backupName_.c_str());
}
