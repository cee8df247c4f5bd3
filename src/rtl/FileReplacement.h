#pragma once
// A new content for a file, put in its place so that the file stays what it
// was: a link to it still leads to it, and it keeps its mode, owner, group
// and extended attributes. Raises EFCreateError when the file cannot be
// created, is read-only or is no regular file, EWriteError when the data
// does not fit; either way the old content stays.
#include <memory>
#include <string_view>

#include "rtl/AnsiString.h"

class FileReplacement {
 public:
  explicit FileReplacement(const AnsiString& name);
  // Without a commit the old content stays.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  void Write(std::string_view bytes);
  // Makes the new content the file's.
  void Commit();

  // How the content gets into the file.
  class Method {
   public:
    virtual ~Method() = default;
    virtual void Write(std::string_view bytes) = 0;
    virtual void Commit() = 0;
  };

 private:
  std::unique_ptr<Method> method_;
};
