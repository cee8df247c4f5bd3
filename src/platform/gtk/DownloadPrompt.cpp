#include "platform/gtk/DownloadPrompt.h"

namespace platform::gtk {

namespace {

const char* DownloadFolder() {
  const char* folder = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  return folder ? folder : g_get_home_dir();
}

}  // namespace

DownloadPrompt::DownloadPrompt(WebKitWebView* view)
    : view_(view), context_(WEBKIT_WEB_CONTEXT(g_object_ref(webkit_web_view_get_context(view)))) {
  g_signal_connect(context_, "download-started", G_CALLBACK(OnDownloadStarted), this);
}

DownloadPrompt::~DownloadPrompt() {
  g_signal_handlers_disconnect_by_data(context_, this);
  if (waiting_) webkit_download_cancel(waiting_);
  Forget();
  g_object_unref(context_);
}

void DownloadPrompt::OnDownloadStarted(WebKitWebContext*, WebKitDownload* download, gpointer self) {
  auto* prompt = static_cast<DownloadPrompt*>(self);
  if (prompt->waiting_) {
    webkit_download_cancel(download);
    return;
  }
  prompt->waiting_ = WEBKIT_DOWNLOAD(g_object_ref(download));
  g_signal_connect(download, "decide-destination", G_CALLBACK(OnDecideDestination), self);
  g_signal_connect(download, "failed", G_CALLBACK(OnFailed), self);
}

// Answered later, from the dialog: the download waits until then.
gboolean DownloadPrompt::OnDecideDestination(WebKitDownload*, gchar* suggestedName, gpointer self) {
  static_cast<DownloadPrompt*>(self)->Ask(suggestedName);
  return TRUE;
}

// Failed before the user answered, the download needs no answer any more.
void DownloadPrompt::OnFailed(WebKitDownload*, GError*, gpointer self) {
  auto* prompt = static_cast<DownloadPrompt*>(self);
  if (!prompt->dialog_) prompt->Forget();
}

void DownloadPrompt::OnResponse(GtkNativeDialog*, gint response, gpointer self) {
  static_cast<DownloadPrompt*>(self)->Answer(response);
}

void DownloadPrompt::Ask(const char* suggestedName) {
  GtkWidget* window = gtk_widget_get_toplevel(GTK_WIDGET(view_));
  dialog_ = gtk_file_chooser_native_new("Uložit jako", GTK_IS_WINDOW(window) ? GTK_WINDOW(window) : nullptr,
                                        GTK_FILE_CHOOSER_ACTION_SAVE, "_Uložit", "_Storno");
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog_);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  gtk_file_chooser_set_current_folder(chooser, DownloadFolder());
  gtk_file_chooser_set_current_name(chooser, suggestedName);
  gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(dialog_), TRUE);
  g_signal_connect(dialog_, "response", G_CALLBACK(OnResponse), this);
  gtk_native_dialog_show(GTK_NATIVE_DIALOG(dialog_));
}

void DownloadPrompt::Answer(gint response) {
  if (response == GTK_RESPONSE_ACCEPT) {
    char* destination = gtk_file_chooser_get_uri(GTK_FILE_CHOOSER(dialog_));
    // The dialog has asked before an existing file could be chosen. The
    // engine deletes a destination it may not overwrite, so a file that
    // appears there meanwhile is at worst replaced, never lost for nothing.
    webkit_download_set_allow_overwrite(waiting_, TRUE);
    webkit_download_set_destination(waiting_, destination);
    g_free(destination);
  } else {
    webkit_download_cancel(waiting_);
  }
  Forget();
}

void DownloadPrompt::Forget() {
  if (dialog_) {
    g_signal_handlers_disconnect_by_data(dialog_, this);
    gtk_native_dialog_destroy(GTK_NATIVE_DIALOG(dialog_));
    g_object_unref(dialog_);
    dialog_ = nullptr;
  }
  if (waiting_) {
    g_signal_handlers_disconnect_by_data(waiting_, this);
    g_object_unref(waiting_);
    waiting_ = nullptr;
  }
}

}  // namespace platform::gtk
