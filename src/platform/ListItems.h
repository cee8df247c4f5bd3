#pragma once
// The entries of a list control as its peer reads them. The class library
// keeps the one copy; a peer asks for an entry only when it shows it.
#include <string_view>

namespace platform {

class IListItems {
 public:
  virtual ~IListItems() = default;
  virtual int Count() const = 0;
  // 8-bit text in the ANSI code page, valid until the list changes.
  virtual std::string_view Text(int index) const = 0;
  virtual bool Checked(int index) const = 0;
};

}  // namespace platform
