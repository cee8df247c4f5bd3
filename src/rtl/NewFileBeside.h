#pragma once
// The new content goes into a new file beside the target, which takes the
// target's place in one step once complete: other processes see the old or
// the new content, never a part. The new file has no name while it is
// written where the file system allows that, so a crash leaves nothing.
#include <sys/stat.h>

#include <memory>
#include <string>

#include "rtl/FileDescriptor.h"
#include "rtl/FileReplacement.h"

class NewFileBeside : public FileReplacement::Method {
 public:
  // For a file that does not exist yet; raises EFCreateError.
  static std::unique_ptr<NewFileBeside> ForNewFile(const AnsiString& name, const std::string& path);
  // Null when no new file can be made the same as the old one: the folder
  // takes no new file, or the owner, group, mode or an attribute cannot be
  // given to it.
  static std::unique_ptr<NewFileBeside> ToReplace(const AnsiString& name, const std::string& path,
                                                  const struct stat& old);
  // Removes the new file unless it was committed.
  ~NewFileBeside() override;

  void Write(std::string_view bytes) override;
  void Commit() override;

 private:
  NewFileBeside(const AnsiString& name, const std::string& path) : name_(name), path_(path) {}
  // Returns 0 or the errno of the failure.
  int Open(mode_t mode);
  bool TakeOver(const struct stat& old) const;
  void GiveName();

  AnsiString name_;
  std::string path_;
  FileDescriptor file_{-1};
  bool unnamed_ = false;
  std::string newName_;  // while the new file has a name of its own
  bool committed_ = false;
};
