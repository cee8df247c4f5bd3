#include "platform/gtk/WebKitEngine.h"

#include "platform/gtk/CompleteAddress.h"
#include "platform/gtk/FileUri.h"
#include "platform/gtk/GtkWindowSystem.h"
#include "platform/gtk/Utf16.h"
#include "rtl/HResult.h"

namespace platform::gtk {

namespace {

std::string CurrentTitle(WebKitWebView* view) {
  const char* title = webkit_web_view_get_title(view);
  return title ? title : "";
}

std::string CurrentUri(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  return uri ? uri : "";
}

// Without a printer name the system's default printer is used.
GtkPrintSettings* NewPrintSettings(const EngineSettings& engine) {
  GtkPrintSettings* print = gtk_print_settings_new();
  if (!engine.printer.empty()) gtk_print_settings_set_printer(print, engine.printer.c_str());
  if (!engine.printFile.empty())
    gtk_print_settings_set(print, GTK_PRINT_SETTINGS_OUTPUT_URI, FileUri(engine.printFile).c_str());
  return print;
}

WideString PrintFailure(const std::string& printer, const char* reason) {
  const std::string where = printer.empty() ? "the default printer" : "the printer \"" + printer + "\"";
  return Utf8ToUtf16("Cannot print on " + where + ": " + reason);
}

}  // namespace

// A print job under way. A failure while the engine takes the job belongs to
// the print command; one that comes later is reported on its own.
struct WebKitEngine::PrintJob {
  WebKitEngine* engine;
  std::weak_ptr<int> alive;
  std::string printer;
  bool accepted = false;
  WideString failure;
};

WebKitEngine::WebKitEngine(GtkWindowSystem& system, WebKitWebView* view) : system_(system), view_(view) {
  g_object_ref(view_);
  g_signal_connect(view_, "load-changed", G_CALLBACK(OnLoadChanged), this);
  g_signal_connect(view_, "load-failed", G_CALLBACK(OnLoadFailed), this);
  // Reached only when the engine's own handler shows no error page.
  g_signal_connect_after(view_, "load-failed", G_CALLBACK(OnLoadFailedWithoutErrorPage), this);
  g_signal_connect(view_, "notify::title", G_CALLBACK(OnNotifyTitle), this);
  // The engine starts its page process at the first request, and that takes
  // longer than building the windows and reading the lists. A script with no
  // effect starts it now, so the two overlap; it loads nothing and leaves no
  // history.
  webkit_web_view_evaluate_javascript(view_, "", 0, nullptr, nullptr, nullptr, nullptr, nullptr);
}

WebKitEngine::~WebKitEngine() {
  g_signal_handlers_disconnect_by_data(view_, this);
  g_object_unref(view_);
}

void WebKitEngine::Deliver(std::function<void(IWebEngineListener&)> event) {
  system_.Post([this, alive = std::weak_ptr<int>(alive_), event = std::move(event)] {
    if (!alive.expired() && listener_) event(*listener_);
  });
}

EngineResult WebKitEngine::Open(const std::string& typed) {
  const std::string uri = CompleteAddress(typed);
  if (uri.empty()) return {hresult::InvalidArgument, u"The address is empty"};
  webkit_web_view_load_uri(view_, uri.c_str());
  return {};
}

EngineResult WebKitEngine::Navigate(const WideString& url) { return Open(Utf16ToUtf8(url)); }

EngineResult WebKitEngine::GoBack() {
  if (!webkit_web_view_can_go_back(view_)) return {hresult::Fail, u"There is no previous page"};
  webkit_web_view_go_back(view_);
  return {};
}

EngineResult WebKitEngine::GoForward() {
  if (!webkit_web_view_can_go_forward(view_)) return {hresult::Fail, u"There is no next page"};
  webkit_web_view_go_forward(view_);
  return {};
}

EngineResult WebKitEngine::GoHome() { return Open(system_.CurrentEngineSettings().homePage); }

EngineResult WebKitEngine::GoSearch() { return Open(system_.CurrentEngineSettings().searchPage); }

EngineResult WebKitEngine::Refresh() {
  webkit_web_view_reload(view_);
  return {};
}

EngineResult WebKitEngine::Stop() {
  webkit_web_view_stop_loading(view_);
  return {};
}

EngineResult WebKitEngine::ExecWB(int command, int /*option*/, Variant* /*in*/, Variant* /*out*/) {
  // Printing is the one command the program uses; it never asks the user.
  if (command != kPrintCommand) return {hresult::NotImplemented, u"The command is not supported"};
  return Print();
}

EngineResult WebKitEngine::Print() {
  WebKitPrintOperation* operation = webkit_print_operation_new(view_);
  GtkPrintSettings* print = NewPrintSettings(system_.Engine());
  webkit_print_operation_set_print_settings(operation, print);
  g_object_unref(print);

  auto* job = new PrintJob{this, alive_, system_.Engine().printer, false, {}};
  g_signal_connect_data(operation, "failed", G_CALLBACK(OnPrintFailed), job,
                        [](gpointer data, GClosure*) { delete static_cast<PrintJob*>(data); }, GConnectFlags(0));
  // The job's own reference goes when it finishes; ours keeps the job readable
  // when it finishes before the print call returns.
  g_object_ref(operation);
  g_signal_connect(operation, "finished", G_CALLBACK(g_object_unref), nullptr);
  webkit_print_operation_print(operation);
  job->accepted = true;
  const WideString failure = job->failure;
  g_object_unref(operation);
  if (!failure.empty()) return {hresult::Fail, failure};
  return {};
}

std::string WebKitEngine::Address() const {
  return errorPages_.FailedAddress().empty() ? CurrentUri(view_) : errorPages_.FailedAddress();
}

EngineResult WebKitEngine::LocationURL(WideString& url) {
  url = Utf8ToUtf16(Address());
  return {};
}

bool WebKitEngine::HandlesAccelerator(Word key, TShiftState /*shift*/) {
  if (!gtk_widget_is_focus(GTK_WIDGET(view_))) return false;
  switch (key) {
    case VK_TAB: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT:
    case VK_SPACE: case VK_BACK: case VK_DELETE: case VK_RETURN: case VK_ESCAPE:
      return true;
    default:
      return false;
  }
}

void WebKitEngine::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self) {
  auto* engine = static_cast<WebKitEngine*>(self);
  if (event == WEBKIT_LOAD_STARTED) {
    if (!engine->errorPages_.PassStart(CurrentUri(view))) return;
    engine->Deliver([](IWebEngineListener& l) { l.EngineDownloadBegin(); });
  } else if (event == WEBKIT_LOAD_FINISHED) {
    if (!engine->errorPages_.PassFinish()) return;
    // A page without a title is known by its address; so is a failed load,
    // whose view still holds the previous page's title.
    if (!engine->errorPages_.FailedAddress().empty() || CurrentTitle(view).empty()) {
      const WideString address = Utf8ToUtf16(engine->Address());
      engine->Deliver([address](IWebEngineListener& l) { l.EngineTitleChange(address); });
    }
    engine->Deliver([](IWebEngineListener& l) { l.EngineDownloadComplete(); });
  }
}

gboolean WebKitEngine::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* address, GError*, gpointer self) {
  static_cast<WebKitEngine*>(self)->errorPages_.LoadFailed(address);
  return FALSE;
}

gboolean WebKitEngine::OnLoadFailedWithoutErrorPage(WebKitWebView*, WebKitLoadEvent, gchar*, GError*, gpointer self) {
  static_cast<WebKitEngine*>(self)->errorPages_.NoErrorPage();
  return FALSE;
}

void WebKitEngine::OnNotifyTitle(GObject*, GParamSpec*, gpointer self) {
  auto* engine = static_cast<WebKitEngine*>(self);
  const std::string title = CurrentTitle(engine->view_);
  if (title.empty() || !engine->errorPages_.PassTitle()) return;  // empty: cleared while the next page loads
  const WideString text = Utf8ToUtf16(title);
  engine->Deliver([text](IWebEngineListener& l) { l.EngineTitleChange(text); });
}

void WebKitEngine::OnPrintFailed(WebKitPrintOperation*, GError* error, gpointer data) {
  auto* job = static_cast<PrintJob*>(data);
  const WideString failure = PrintFailure(job->printer, error->message);
  if (!job->accepted) {
    job->failure = failure;
  } else if (!job->alive.expired()) {
    job->engine->Deliver([failure](IWebEngineListener& l) { l.EnginePrintFailed(failure); });
  }
}

}  // namespace platform::gtk
