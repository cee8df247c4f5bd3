#pragma once
// Completes what a user types into an address box as a browser does: a text
// with a scheme stays, a host name or host/path gets "http://", an absolute
// path becomes a file address. Empty when there is nothing to open.
#include <string>
#include <string_view>

namespace platform::gtk {

std::string CompleteAddress(std::string_view typed);

}  // namespace platform::gtk
