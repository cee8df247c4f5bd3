#include "platform/gtk/CompleteAddress.h"

#include <glib.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace platform::gtk {

namespace {

// Schemes written without "//" after the colon.
constexpr std::array<std::string_view, 7> kBareSchemes = {"about", "data", "mailto", "javascript",
                                                         "view-source", "blob", "file"};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// The scheme before the first colon, when the text starts with one.
std::string_view SchemeOf(std::string_view text) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0) return {};
  const std::string_view scheme = text.substr(0, colon);
  if (!std::isalpha(static_cast<unsigned char>(scheme.front()))) return {};
  const bool valid = std::all_of(scheme.begin(), scheme.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
  return valid ? scheme : std::string_view();
}

// "localhost:8000/x": a host with a port, not a scheme.
bool StartsWithPort(std::string_view afterColon) {
  return !afterColon.empty() && std::isdigit(static_cast<unsigned char>(afterColon.front()));
}

std::string FileAddress(std::string_view path) {
  const std::string file(path);
  char* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
  std::string result = uri ? uri : "file://" + file;
  g_free(uri);
  return result;
}

}  // namespace

std::string CompleteAddress(std::string_view typed) {
  const std::string_view text = Trim(typed);
  if (text.empty()) return {};
  if (text.front() == '/') return FileAddress(text);
  const std::string_view scheme = SchemeOf(text);
  if (!scheme.empty()) {
    const std::string_view rest = text.substr(scheme.size() + 1);
    std::string lower(scheme);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const bool bare = std::find(kBareSchemes.begin(), kBareSchemes.end(), lower) != kBareSchemes.end();
    if (rest.starts_with("//") || bare || !StartsWithPort(rest)) return std::string(text);
  }
  return "http://" + std::string(text);
}

}  // namespace platform::gtk
