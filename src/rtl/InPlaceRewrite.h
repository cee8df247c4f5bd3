#pragma once
// The new content is written over the file itself, for when no new file
// could take its place and stay the same file. A backup copy of the old
// content comes first, beside the file or else in the temporary folder: a
// failed write puts the old content back, and a crash leaves the backup.
#include <string>

#include "rtl/FileDescriptor.h"
#include "rtl/FileReplacement.h"

class InPlaceRewrite : public FileReplacement::Method {
 public:
  // Raises EFCreateError when the file cannot be read and written or no
  // backup can be made.
  InPlaceRewrite(const AnsiString& name, const std::string& path);
  // Puts the old content back unless committed; the backup stays if that fails.
  ~InPlaceRewrite() override;

  void Write(std::string_view bytes) override;
  void Commit() override;

 private:
  void MakeBackup(const AnsiString& name, const std::string& path);
  bool PutOldContentBack() const;
  // Writes bytes over the file's content from its start.
  bool Overwrite(std::string_view bytes) const;

  FileDescriptor file_{-1};
  std::string oldContent_;
  std::string backupName_;
  std::size_t written_ = 0;
  bool committed_ = false;
};
