#pragma once
// The application object: title, the windows it owns, the message loop, and
// the one place where every handler is called and its errors reported.
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "forms/TForm.h"
#include "platform/WindowSystem.h"

class TApplication : public TComponent {
 public:
  explicit TApplication(platform::IWindowSystem& windowSystem);
  ~TApplication() override;
  // Destroys every window, last created first.
  void DestroyWindows();

  platform::IWindowSystem& WindowSystem() const { return windowSystem_; }
  const AnsiString& Title() const { return title_; }
  // The locale's time separator as read at start.
  const AnsiString& TimeSeparator() const { return timeSeparator_; }
  void SetTitle(const AnsiString& title) { title_ = title; }

  void Initialize() {}

  // The global holds the window from before its construction; an error in
  // the construction empties it again and goes on to the caller.
  template <class T>
  void CreateForm(T*& global) {
    void* storage = ::operator new(sizeof(T));
    global = static_cast<T*>(storage);
    std::unique_ptr<T> form;
    try {
      form.reset(new (storage) T(this));
    } catch (...) {
      global = nullptr;
      ::operator delete(storage);
      throw;
    }
    TForm* raw = form.get();
    Adopt(std::move(form));
    raw->AfterConstruction({});
    if (!mainForm_) mainForm_ = raw;
  }

  TForm* MainForm() const { return mainForm_; }
  void Run();
  void Terminate();
  // The desktop is going away: the main window closes as by its close
  // command, the program ends even when that fails, and from here on errors
  // go to standard error, since nobody would see a message box.
  void EndSession();
  bool Terminated() const { return terminated_; }
  void ProcessMessages() { windowSystem_.ProcessMessages(); }

  // Calls a handler; an exception it raises is reported and goes no further.
  void Dispatch(const std::function<void()>& handler);
  // Runs an event's handler, if bound, through the dispatch.
  template <class Event, class... Args>
  void Fire(const Event& event, Args&&... args) {
    Dispatch([&] { CallEvent(event, std::forward<Args>(args)...); });
  }
  // Reports the exception being handled.
  void HandleException(TObject* sender);
  void ShowException(const std::exception& error);

  // The main window's menu shortcuts, offered keys from any window while the
  // main window is enabled.
  bool IsShortCut(Badge<TForm>, TForm* from, Word key, TShiftState shift);

  TForm* FocusedForm() const { return focusedForm_; }
  // Runs the form's activation when the focused window changes to it.
  void SetFocusedForm(Badge<TForm>, TForm* form);
  // Gives the focus back after a modal window without activating anew.
  void RestoreFocusedForm(Badge<TForm>, TForm* form);
  std::vector<TForm*> DisableFormsExcept(Badge<TForm>, TForm* keep);
  void EnableForms(Badge<TForm>, const std::vector<TForm*>& forms);
  // The window shown modally now; null when none is.
  TForm* ModalForm() const;
  // Lays every visible client-aligned window over the desktop work area.
  void AlignForms(Badge<TForm>);

 private:
  std::vector<TForm*> Forms() const;

  platform::IWindowSystem& windowSystem_;
  AnsiString title_;
  AnsiString timeSeparator_;
  TForm* mainForm_ = nullptr;
  TForm* focusedForm_ = nullptr;
  bool terminated_ = false;
  bool sessionEnding_ = false;
};

extern TApplication* Application;
