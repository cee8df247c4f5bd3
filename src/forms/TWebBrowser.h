#pragma once
// The web control: the engine's operations, each checked for failure, and its
// three events delivered through the application's dispatch.
#include <memory>

#include "forms/IWebBrowser2.h"
#include "forms/TComInterface.h"
#include "forms/TWinControl.h"
#include "platform/WebEngine.h"

using TTitleChangeEvent = std::function<void(TObject* ASender, const WideString& Text)>;

constexpr int OLECMDID_PRINT = platform::kPrintCommand;
constexpr int OLECMDEXECOPT_DONTPROMPTUSER = 2;

class TWebBrowser : public TWinControl, private platform::IWebEngineListener {
 public:
  explicit TWebBrowser(TComponent* owner);
  ~TWebBrowser() override;

  // Each raises EOleException when the engine reports a failure.
  void Navigate(const WideString& url);
  void GoBack();
  void GoForward();
  void GoHome();
  void GoSearch();
  void Refresh();
  void Stop();
  WideString LocationURL();
  // The control's command interface, connected on the first request; raises
  // EOleException while the control is not there.
  TComInterface<IWebBrowser2> ControlInterface();

  TNotifyEvent OnDownloadBegin;
  TNotifyEvent OnDownloadComplete;
  TTitleChangeEvent OnTitleChange;

  bool OwnAccelerator(Word key, TShiftState shift) override;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;

 private:
  platform::IWebEngine& Engine() const;
  void EngineDownloadBegin() override;
  void EngineDownloadComplete() override;
  void EngineTitleChange(const WideString& title) override;
  void EnginePrintFailed(const WideString& description) override;

  platform::IWebEngine* engine_ = nullptr;
  IWebBrowser2* interface_ = nullptr;  // the wrapper's own reference
  std::unique_ptr<platform::IWebViewPeer> peer_;
};
