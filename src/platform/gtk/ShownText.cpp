#include "platform/gtk/ShownText.h"

#include "rtl/CodePage.h"

namespace platform::gtk {

// One byte is one character in the code page, so the cut splits none.
std::string ShownText(std::string_view ansi, std::size_t limit) { return AnsiToUtf8(ansi.substr(0, limit)); }

}  // namespace platform::gtk
