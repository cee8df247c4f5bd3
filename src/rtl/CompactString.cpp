#include "rtl/CompactString.h"

#include <cstring>

CompactString::CompactString(std::string_view text) {
  if (text.empty()) return;
  const std::size_t length = text.size();
  block_ = new char[sizeof length + length];
  std::memcpy(block_, &length, sizeof length);
  std::memcpy(block_ + sizeof length, text.data(), length);
}

CompactString::~CompactString() { delete[] block_; }

std::string_view CompactString::View() const {
  if (block_ == nullptr) return {};
  std::size_t length = 0;
  std::memcpy(&length, block_, sizeof length);
  return {block_ + sizeof length, length};
}
