#pragma once
// The window system of the real program: GTK 3 widgets as peers, the GLib main
// loop as the message loop, WebKitGTK behind the web control.
#include <gtk/gtk.h>

#include <vector>

#include "platform/SystemClock.h"
#include "platform/WindowSystem.h"
#include "platform/gtk/DesktopShell.h"
#include "platform/gtk/EngineSettings.h"
#include "platform/gtk/PictureStore.h"

namespace platform::gtk {

class FormPeer;

class GtkWindowSystem : public IWindowSystem {
 public:
  // Needs an initialised GTK.
  GtkWindowSystem();

  std::unique_ptr<IControlPeer> CreatePeer(PeerKind kind, IControlPeer* parent, IPeerListener& listener) override;
  std::unique_ptr<IControlPeer> CreateWebView(IControlPeer* parent, IPeerListener& listener) override;
  void RunLoop(const std::function<bool()>& done) override;
  void ProcessMessages() override;
  void Post(std::function<void()> work) override;
  int StartTimer(int intervalMs, std::function<void()> tick) override;
  void StopTimer(int id) override;
  Rect WorkArea() override;
  // 96 unless the desktop sets its own.
  int PixelsPerInch() override;
  Size MeasureText(const std::string& text, const FontSpec& font, int wrapWidth) override;
  StartShowState StartShow() override { return StartShowState::Normal; }
  void MinimizeApplication() override;
  void ShowErrorBox(const std::string& text, const std::string& caption) override;
  IClock& Clock() override { return clock_; }
  IShell& Shell() override { return shell_; }

  PictureStore& Pictures() { return pictures_; }
  const EngineSettings& Engine() const { return engineSettings_; }

  // Forms tell the system about themselves.
  void AddForm(FormPeer* form);
  void RemoveForm(FormPeer* form);
  void NoteActive(FormPeer* form) { active_ = form; }
  // The first window made, which modal windows stand over.
  FormPeer* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }

 private:
  GtkWindow* DialogParent() const;

  PictureStore pictures_;
  EngineSettings engineSettings_;
  std::vector<FormPeer*> forms_;
  FormPeer* active_ = nullptr;
  SystemClock clock_;
  DesktopShell shell_;
};

}  // namespace platform::gtk
