#include "forms/TApplication.h"

#include <cstdio>

#include "forms/Menus.h"
#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"
#include "rtl/TimeFormat.h"

TApplication* Application = nullptr;

TApplication::TApplication(platform::IWindowSystem& windowSystem)
    : TComponent(nullptr),
      windowSystem_(windowSystem),
      timeSeparator_(EffectiveTimeSeparator(windowSystem.Clock().TimeSeparator())) {
  windowSystem_.SetSessionEndHandler([this] { EndSession(); });
}

TApplication::~TApplication() {
  windowSystem_.SetSessionEndHandler(nullptr);
  DestroyWindows();
}

void TApplication::DestroyWindows() {
  focusedForm_ = nullptr;
  mainForm_ = nullptr;
  DestroyComponents();
}

void TApplication::Run() {
  switch (windowSystem_.StartShow()) {
    case platform::StartShowState::Maximized:
      if (mainForm_) mainForm_->SetWindowState(wsMaximized);
      break;
    case platform::StartShowState::Minimized:
      windowSystem_.MinimizeApplication();
      break;
    case platform::StartShowState::Normal:
      break;
  }
  windowSystem_.RunLoop([this] { return terminated_; });
}

void TApplication::Terminate() {
  windowSystem_.Post([this] { terminated_ = true; });
}

void TApplication::EndSession() {
  sessionEnding_ = true;
  if (mainForm_) Dispatch([this] { mainForm_->Close(); });
  Terminate();
}

void TApplication::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception&) {
    HandleException(this);
  }
}

void TApplication::HandleException(TObject* /*sender*/) {
  try {
    throw;
  } catch (const EAbort&) {
    // A silent abort shows nothing.
  } catch (const std::exception& error) {
    ShowException(error);
  }
}

void TApplication::ShowException(const std::exception& error) {
  AnsiString text = error.what();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  if (sessionEnding_)
    std::fprintf(stderr, "%s: %s\n", AnsiToUtf8(title_).c_str(), AnsiToUtf8(text).c_str());
  else
    windowSystem_.ShowErrorBox(text, title_);
}

bool TApplication::IsShortCut(Badge<TForm>, TForm* from, Word key, TShiftState shift) {
  if (!mainForm_ || mainForm_ == from || !mainForm_->Enabled() || !mainForm_->Menu()) return false;
  return mainForm_->Menu()->IsShortCut(key, shift);
}

void TApplication::SetFocusedForm(Badge<TForm>, TForm* form) {
  if (form == focusedForm_) return;
  focusedForm_ = form;
  if (form) form->Activated({});
}

void TApplication::RestoreFocusedForm(Badge<TForm>, TForm* form) {
  focusedForm_ = form;
  if (form) form->TakeFocus();
}

std::vector<TForm*> TApplication::Forms() const {
  std::vector<TForm*> forms;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TForm*>(Components(i))) forms.push_back(form);
  return forms;
}

std::vector<TForm*> TApplication::DisableFormsExcept(Badge<TForm>, TForm* keep) {
  std::vector<TForm*> disabled;
  for (TForm* form : Forms())
    if (form != keep && form->Enabled()) {
      form->SetEnabled(false);
      disabled.push_back(form);
    }
  return disabled;
}

void TApplication::EnableForms(Badge<TForm>, const std::vector<TForm*>& forms) {
  for (TForm* form : forms) form->SetEnabled(true);
}

TForm* TApplication::ModalForm() const {
  for (TForm* form : Forms())
    if (form->Modal()) return form;
  return nullptr;
}

void TApplication::AlignForms(Badge<TForm>) {
  const platform::Rect area = windowSystem_.WorkArea();
  for (TForm* form : Forms())
    if (form->Visible() && form->Align() == alClient && form->WindowState() == wsNormal)
      form->SetBounds(area.left, area.top, area.width, area.height);
}
