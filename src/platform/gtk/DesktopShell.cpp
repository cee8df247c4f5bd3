#include "platform/gtk/DesktopShell.h"

#include <gtk/gtk.h>

#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

bool DesktopShell::Execute(const ShellExecution& request) {
  if (request.verb != "open") return false;
  GdkAppLaunchContext* context = gdk_display_get_app_launch_context(gdk_display_get_default());
  const gboolean started =
      g_app_info_launch_default_for_uri(ToGtk(request.file).c_str(), G_APP_LAUNCH_CONTEXT(context), nullptr);
  g_object_unref(context);
  return started;
}

bool DesktopShell::Run(const std::string& /*commandLine*/, int /*show*/) { return false; }

}  // namespace platform::gtk
