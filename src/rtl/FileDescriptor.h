#pragma once
// Owns an open file descriptor so that every way out of a file operation
// closes it.
#include <string>
#include <string_view>

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

  // Reads up to size bytes from the current position; stops early only at
  // the end of the file. False with errno set on a failed read.
  bool ReadAll(std::size_t size, std::string& bytes) const;
  // Writes every byte, going on after short writes, so a full disk or a
  // file-size limit surfaces as a failure. False with errno set.
  bool WriteAll(std::string_view bytes) const;

 private:
  int fd_;
};
