#pragma once
// The web engine's own settings: home page, search page and printer, kept in
// one key file beside the user's other configuration. The user edits the file
// with the desktop's editor for it.
#include <string>

namespace platform::gtk {

class EngineSettings {
 public:
  std::string homePage = "about:blank";
  std::string searchPage = "https://search.seznam.cz/";
  std::string printer;    // empty: the system's default printer
  std::string printFile;  // where a print-to-file printer writes; empty: its own default

  // $XDG_CONFIG_HOME/kalnor/engine.ini
  static std::string DefaultFile();
  // Reads the file; a missing file is written with the defaults first, and
  // anything that is not a regular file gives the defaults.
  static EngineSettings Load(const std::string& file);

 private:
  void Save(const std::string& file) const;
};

}  // namespace platform::gtk
