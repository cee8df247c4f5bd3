#pragma once
// A fresh folder for one test, removed with its content afterwards. Reads and
// writes files directly, so checks do not lean on the code under test.
#include <string>
#include <string_view>
#include <vector>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }
  void Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;
  std::vector<std::string> Names() const;  // sorted

 private:
  std::string path_;
};
