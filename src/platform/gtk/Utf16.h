#pragma once
// UTF-16 text of the web control to and from the UTF-8 text of GTK.
#include <string>
#include <string_view>

namespace platform::gtk {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace platform::gtk
