#pragma once
// The web engine of the real program: a WebKitWebView behind the web control.
// Its events go to the listener from the message loop, never from inside an
// engine call.
#include <webkit2/webkit2.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/WebEngine.h"
#include "platform/gtk/DownloadPrompt.h"
#include "platform/gtk/ErrorPageFilter.h"

namespace platform::gtk {

class GtkWindowSystem;

class WebKitEngine : public IWebEngine {
 public:
  WebKitEngine(GtkWindowSystem& system, WebKitWebView* view);
  ~WebKitEngine() override;
  WebKitEngine(const WebKitEngine&) = delete;
  WebKitEngine& operator=(const WebKitEngine&) = delete;

  void SetEngineListener(IWebEngineListener* listener) override { listener_ = listener; }
  EngineResult Navigate(const WideString& url) override;
  EngineResult GoBack() override;
  EngineResult GoForward() override;
  EngineResult GoHome() override;
  EngineResult GoSearch() override;
  EngineResult Refresh() override;
  EngineResult Stop() override;
  EngineResult ExecWB(int command, int option, Variant* in, Variant* out) override;
  EngineResult LocationURL(WideString& url) override;
  bool HandlesAccelerator(Word key, TShiftState shift) override;

 private:
  struct PrintJob;

  EngineResult Open(const std::string& typed);
  EngineResult Print();
  // Hands the event to the listener from the message loop.
  void Deliver(std::function<void(IWebEngineListener&)> event);
  // The current page's address: a failed one while its error page is shown.
  std::string Address() const;

  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);
  static gboolean OnLoadFailed(WebKitWebView* view, WebKitLoadEvent event, gchar* address, GError* error,
                               gpointer self);
  static gboolean OnLoadFailedWithoutErrorPage(WebKitWebView* view, WebKitLoadEvent event, gchar* address,
                                               GError* error, gpointer self);
  static void OnNotifyTitle(GObject* view, GParamSpec* property, gpointer self);
  static void OnPrintFailed(WebKitPrintOperation* operation, GError* error, gpointer job);

  GtkWindowSystem& system_;
  WebKitWebView* view_;
  IWebEngineListener* listener_ = nullptr;
  ErrorPageFilter errorPages_;
  DownloadPrompt downloads_{view_};
  // Posted events run only while the engine lives.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace platform::gtk
