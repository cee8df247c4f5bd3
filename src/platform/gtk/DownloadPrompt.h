#pragma once
// Every download a page starts asks the user where to save it, with the
// desktop's save dialog over the main window, proposing the engine's name
// for it in the user's download folder. Nothing is written unless the user
// chooses a file, and an existing file is replaced only after the dialog has
// asked. While one download waits for its answer, further downloads are
// cancelled, so a page cannot flood the user with dialogs or files.
#include <webkit2/webkit2.h>

namespace platform::gtk {

class DownloadPrompt {
 public:
  explicit DownloadPrompt(WebKitWebView* view);
  ~DownloadPrompt();
  DownloadPrompt(const DownloadPrompt&) = delete;
  DownloadPrompt& operator=(const DownloadPrompt&) = delete;

 private:
  void Ask(const char* suggestedName);
  void Answer(gint response);
  void Forget();

  static void OnDownloadStarted(WebKitWebContext* context, WebKitDownload* download, gpointer self);
  static gboolean OnDecideDestination(WebKitDownload* download, gchar* suggestedName, gpointer self);
  static void OnFailed(WebKitDownload* download, GError* error, gpointer self);
  static void OnResponse(GtkNativeDialog* dialog, gint response, gpointer self);

  WebKitWebView* view_;
  WebKitWebContext* context_;
  WebKitDownload* waiting_ = nullptr;  // the download that waits for its answer
  GtkFileChooserNative* dialog_ = nullptr;
};

}  // namespace platform::gtk
