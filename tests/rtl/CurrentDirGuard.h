#pragma once
// Enters a folder for the rest of a scope and goes back afterwards.
#include <filesystem>
#include <string>

class CurrentDirGuard {
 public:
  explicit CurrentDirGuard(const std::string& path);
  ~CurrentDirGuard();
  CurrentDirGuard(const CurrentDirGuard&) = delete;
  CurrentDirGuard& operator=(const CurrentDirGuard&) = delete;

 private:
  std::filesystem::path previous_;
};
