#include "rtl/FileDescriptor.h"

#include <unistd.h>

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) ::close(fd_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

bool FileDescriptor::Close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}
