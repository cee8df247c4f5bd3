#pragma once
// What GTK is given of a text that may be huge: the first characters, as
// many as any screen could show, in UTF-8. The text itself stays whole
// where the class library keeps it.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform::gtk {

// A list row shows this much of its entry.
constexpr std::size_t kShownInRow = 4096;
// An edit box shows this much, the most a classic one-line edit box holds.
constexpr std::size_t kShownInEntry = 32767;

// The first limit characters of 8-bit text, in UTF-8.
std::string ShownText(std::string_view ansi, std::size_t limit);

}  // namespace platform::gtk
