#pragma once
// The window system of the real program: GTK 3 widgets as peers, the GLib main
// loop as the message loop, WebKitGTK behind the web control.
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/SystemClock.h"
#include "platform/WindowSystem.h"
#include "platform/gtk/DesktopShell.h"
#include "platform/gtk/EngineSettings.h"
#include "platform/gtk/PictureStore.h"
#include "platform/gtk/SessionEndWatch.h"
#include "rtl/Badge.h"

namespace platform::gtk {

class FormPeer;

class GtkWindowSystem : public IWindowSystem {
 public:
  // Needs an initialised GTK.
  GtkWindowSystem();

  std::unique_ptr<IFormPeer> CreateFormPeer(IPeerListener& listener) override;
  std::unique_ptr<IContainerPeer> CreateContainerPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IContainerPeer> CreateControlBandPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<ITabControlPeer> CreateTabControlPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IButtonPeer> CreateButtonPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IButtonPeer> CreateSpeedButtonPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IEditPeer> CreateEditPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IComboBoxPeer> CreateComboBoxPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IListPeer> CreateCheckListBoxPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IStatusBarPeer> CreateStatusBarPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IShapePeer> CreateShapePeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<ILabelPeer> CreateLabelPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IMemoPeer> CreateMemoPeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IImagePeer> CreateImagePeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IAnimatePeer> CreateAnimatePeer(IControlPeer& parent, IPeerListener& listener) override;
  std::unique_ptr<IWebViewPeer> CreateWebViewPeer(IControlPeer& parent, IPeerListener& listener) override;
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
  bool RunPrinterSetup() override;
  void SetSessionEndHandler(std::function<void()> handler) override { sessionEnd_ = std::move(handler); }
  IClock& Clock() override { return clock_; }
  IShell& Shell() override { return shell_; }

  PictureStore& Pictures() { return pictures_; }
  // The engine's settings as read at start.
  const EngineSettings& Engine() const { return engineSettings_; }
  // The engine's settings as the file holds them now: the user edits them while the program runs.
  EngineSettings CurrentEngineSettings() const { return EngineSettings::Load(engineSettingsFile_); }

  // Forms tell the system about themselves.
  void AddForm(Badge<FormPeer>, FormPeer* form) { forms_.push_back(form); }
  void RemoveForm(Badge<FormPeer>, FormPeer* form);
  void NoteActive(Badge<FormPeer>, FormPeer* form) { active_ = form; }
  // The first window made, which modal windows stand over.
  FormPeer* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }

 private:
  GtkWindow* DialogParent() const;
  void EndSession();

  PictureStore pictures_;
  std::string engineSettingsFile_;
  EngineSettings engineSettings_;
  std::vector<FormPeer*> forms_;
  FormPeer* active_ = nullptr;
  SystemClock clock_;
  DesktopShell shell_;
  std::vector<GtkDialog*> openBoxes_;
  std::function<void()> sessionEnd_;
  SessionEndWatch sessionEndWatch_{[this] { EndSession(); }};
};

}  // namespace platform::gtk
