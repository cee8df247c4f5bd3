#pragma once
// Immutable text stored as one heap block holding its length and bytes, so a
// list of a million short entries costs a pointer each plus the text.
#include <string_view>
#include <utility>

class CompactString {
 public:
  CompactString() = default;
  explicit CompactString(std::string_view text);
  CompactString(CompactString&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  // Swaps, so the text this held goes with other.
  CompactString& operator=(CompactString&& other) noexcept {
    std::swap(block_, other.block_);
    return *this;
  }
  CompactString(const CompactString&) = delete;
  CompactString& operator=(const CompactString&) = delete;
  ~CompactString();

  std::string_view View() const;

 private:
  char* block_ = nullptr;  // null for the empty text
};
