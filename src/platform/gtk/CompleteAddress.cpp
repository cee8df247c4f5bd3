#include "platform/gtk/CompleteAddress.h"

#include <glib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace platform::gtk {

namespace {

// Schemes written without "//" after the colon.
constexpr std::array<std::string_view, 7> kBareSchemes = {"about", "data", "mailto", "javascript",
                                                         "view-source", "blob", "file"};

std::string Trimmed(std::string_view text) {
  std::string trimmed(text);
  g_strstrip(trimmed.data());
  trimmed.resize(std::strlen(trimmed.c_str()));
  return trimmed;
}

// "localhost:8000/x": a host with a port, not a scheme.
bool StartsWithPort(std::string_view afterColon) {
  return !afterColon.empty() && std::isdigit(static_cast<unsigned char>(afterColon.front()));
}

std::string FileAddress(const std::string& path) {
  char* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  std::string result = uri ? uri : "file://" + path;
  g_free(uri);
  return result;
}

}  // namespace

std::string CompleteAddress(std::string_view typed) {
  const std::string text = Trimmed(typed);
  if (text.empty()) return {};
  if (text.front() == '/') return FileAddress(text);
  // The scheme in lower case, when the text starts with one.
  if (const char* scheme = g_uri_peek_scheme(text.c_str())) {
    const std::string_view rest = std::string_view(text).substr(std::strlen(scheme) + 1);
    const bool bare = std::find(kBareSchemes.begin(), kBareSchemes.end(), scheme) != kBareSchemes.end();
    if (rest.starts_with("//") || bare || !StartsWithPort(rest)) return text;
  }
  return "http://" + text;
}

}  // namespace platform::gtk
