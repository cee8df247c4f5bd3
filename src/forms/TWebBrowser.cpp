#include "forms/TWebBrowser.h"

#include "forms/ComObj.h"
#include "forms/TApplication.h"
#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"
#include "rtl/HResult.h"

// White is what the control shows until a page has painted.
TWebBrowser::TWebBrowser(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWhite);
}

TWebBrowser::~TWebBrowser() {
  if (interface_) interface_->Release();
  if (engine_) engine_->SetEngineListener(nullptr);
}

platform::IControlPeer& TWebBrowser::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateWebViewPeer(*parent, *this);
  engine_ = &peer_->Engine();
  engine_->SetEngineListener(this);
  return *peer_;
}

platform::IWebEngine& TWebBrowser::Engine() const {
  if (!engine_) throw EOleException(hresult::Unexpected, "");
  return *engine_;
}

void TWebBrowser::Navigate(const WideString& url) { OleCheck(Engine().Navigate(url)); }
void TWebBrowser::GoBack() { OleCheck(Engine().GoBack()); }
void TWebBrowser::GoForward() { OleCheck(Engine().GoForward()); }
void TWebBrowser::GoHome() { OleCheck(Engine().GoHome()); }
void TWebBrowser::GoSearch() { OleCheck(Engine().GoSearch()); }
void TWebBrowser::Refresh() { OleCheck(Engine().Refresh()); }
void TWebBrowser::Stop() { OleCheck(Engine().Stop()); }

WideString TWebBrowser::LocationURL() {
  WideString url;
  OleCheck(Engine().LocationURL(url));
  return url;
}

TComInterface<IWebBrowser2> TWebBrowser::ControlInterface() {
  if (!interface_) interface_ = new IWebBrowser2(Engine());
  interface_->AddRef();
  return TComInterface<IWebBrowser2>(interface_);
}

bool TWebBrowser::OwnAccelerator(Word key, TShiftState shift) {
  return engine_ && engine_->HandlesAccelerator(key, shift);
}

void TWebBrowser::EngineDownloadBegin() {
  Application->Fire(OnDownloadBegin, this);
}

void TWebBrowser::EngineDownloadComplete() {
  Application->Fire(OnDownloadComplete, this);
}

void TWebBrowser::EngineTitleChange(const WideString& title) {
  Application->Fire(OnTitleChange, this, title);
}

// The job was accepted and has failed since: reported like any other error.
void TWebBrowser::EnginePrintFailed(const WideString& description) {
  Application->ShowException(EOleException(hresult::Fail, WideToAnsi(description)));
}
