#include "rtl/FileDescriptor.h"

#include <unistd.h>

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileDescriptor::Close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}
