#include "platform/gtk/DesktopShell.h"

#include <gtk/gtk.h>

#include "platform/gtk/FileUri.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

namespace {

// Starts the desktop's default program for the address as a process of its
// own and does not wait for it.
bool LaunchDefault(const std::string& uri) {
  GdkAppLaunchContext* context = gdk_display_get_app_launch_context(gdk_display_get_default());
  const gboolean started = g_app_info_launch_default_for_uri(uri.c_str(), G_APP_LAUNCH_CONTEXT(context), nullptr);
  g_object_unref(context);
  return started;
}

// A command line that names the Internet Options panel file, in any case as Windows file names go.
bool NamesInternetOptions(const std::string& commandLine) {
  char* lower = g_ascii_strdown(commandLine.c_str(), -1);
  const bool names = std::string(lower).find("inetcpl.cpl") != std::string::npos;
  g_free(lower);
  return names;
}

}  // namespace

bool DesktopShell::Execute(const ShellExecution& request) {
  if (request.verb != "open") return false;
  return LaunchDefault(ToGtk(request.file));
}

// Only the Internet Options panel is known here; other programs are not started.
bool DesktopShell::Run(const std::string& commandLine, int /*show*/) {
  if (!NamesInternetOptions(commandLine)) return false;
  return LaunchDefault(FileUri(engineSettingsFile_));
}

}  // namespace platform::gtk
