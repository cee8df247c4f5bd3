#include "platform/gtk/EngineSettings.h"

#include <glib.h>

#include <memory>

#include "rtl/Files.h"

namespace platform::gtk {

namespace {

constexpr const char* kGroup = "engine";

struct KeyFileFree {
  void operator()(GKeyFile* file) const { g_key_file_free(file); }
};
using KeyFile = std::unique_ptr<GKeyFile, KeyFileFree>;

// A missing or empty key keeps the value it had.
void ReadKey(GKeyFile* file, const char* key, std::string& value) {
  char* text = g_key_file_get_string(file, kGroup, key, nullptr);
  if (text && *text) value = text;
  g_free(text);
}

}  // namespace

std::string EngineSettings::DefaultFile() {
  char* path = g_build_filename(g_get_user_config_dir(), "kalnor", "engine.ini", nullptr);
  std::string file = path;
  g_free(path);
  return file;
}

EngineSettings EngineSettings::Load(const std::string& file) {
  EngineSettings settings;
  // Read by the file services, which never block on a pipe or a device.
  std::string text;
  if (const int error = ReadRegularFile(file, text)) {
    if (error == ENOENT) settings.Save(file);
    return settings;
  }
  KeyFile keys(g_key_file_new());
  if (!g_key_file_load_from_data(keys.get(), text.data(), text.size(), G_KEY_FILE_NONE, nullptr)) return settings;
  ReadKey(keys.get(), "home", settings.homePage);
  ReadKey(keys.get(), "search", settings.searchPage);
  ReadKey(keys.get(), "printer", settings.printer);
  ReadKey(keys.get(), "print-file", settings.printFile);
  return settings;
}

void EngineSettings::Save(const std::string& file) const {
  KeyFile keys(g_key_file_new());
  g_key_file_set_string(keys.get(), kGroup, "home", homePage.c_str());
  g_key_file_set_string(keys.get(), kGroup, "search", searchPage.c_str());
  g_key_file_set_string(keys.get(), kGroup, "printer", printer.c_str());
  g_key_file_set_string(keys.get(), kGroup, "print-file", printFile.c_str());
  char* folder = g_path_get_dirname(file.c_str());
  g_mkdir_with_parents(folder, 0700);
  g_free(folder);
  // Settings we cannot write are simply used from memory.
  g_key_file_save_to_file(keys.get(), file.c_str(), nullptr);
}

}  // namespace platform::gtk
