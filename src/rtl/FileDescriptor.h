#pragma once
// Owns an open file descriptor so that every way out of a file operation
// closes it.

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;

  bool IsOpen() const { return fd_ >= 0; }
  int Get() const { return fd_; }
  // Closes now and reports whether the system accepted the close, which is
  // where some file systems report a failed write.
  bool Close();

 private:
  int fd_;
};
