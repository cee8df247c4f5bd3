#pragma once
// Immutable text stored as one heap block holding its length and bytes, so a
// list of a million short entries costs a pointer each plus the text.
#include <string_view>

class CompactString {
 public:
  CompactString() = default;
  explicit CompactString(std::string_view text);
  CompactString(CompactString&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
  CompactString& operator=(CompactString&& other) noexcept;
  CompactString(const CompactString&) = delete;
  CompactString& operator=(const CompactString&) = delete;
  ~CompactString();

  std::string_view View() const;

 private:
  char* block_ = nullptr;  // null for the empty text
};
