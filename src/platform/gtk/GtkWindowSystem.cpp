#include "platform/gtk/GtkWindowSystem.h"

#include <gtk/gtkunixprint.h>

#include <algorithm>
#include <cmath>

#include "platform/gtk/AnimatePeer.h"
#include "platform/gtk/ButtonPeer.h"
#include "platform/gtk/CheckListBoxPeer.h"
#include "platform/gtk/ComboBoxPeer.h"
#include "platform/gtk/ContainerPeer.h"
#include "platform/gtk/ControlBandPeer.h"
#include "platform/gtk/EditPeer.h"
#include "platform/gtk/FormPeer.h"
#include "platform/gtk/ImagePeer.h"
#include "platform/gtk/LabelPeer.h"
#include "platform/gtk/MemoPeer.h"
#include "platform/gtk/ShapePeer.h"
#include "platform/gtk/StatusBarPeer.h"
#include "platform/gtk/TabControlPeer.h"
#include "platform/gtk/WebViewPeer.h"

namespace platform::gtk {

namespace {

// ProcessMessages handles at most this many messages: a busy page can keep
// sources pending for ever.
constexpr int kMessagesPerProcessing = 1000;
// Where no monitor is known, the desktop is taken to be this large.
constexpr Rect kFallbackWorkArea{0, 0, 800, 600};
// The screen's resolution unless the desktop sets its own.
constexpr int kStandardPixelsPerInch = 96;

// The class library places controls at the small sizes of a classic desktop;
// the theme's roomy paddings and minimum sizes would push them apart. The
// windows' font is 11 pixels high, as designed, in the desktop's sans-serif.
constexpr const char* kCompactStyle = R"(
* { font-family: sans-serif; font-size: 11px; }
entry { min-height: 0; padding: 0 3px; }
button { min-height: 0; min-width: 0; padding: 0 2px; }
combobox button { padding: 0 1px; }
menubar > menuitem { padding: 1px 7px; min-height: 0; }
menu menuitem { padding: 2px 6px; min-height: 0; }
.kalnor-status frame > border { border-style: inset; }
.kalnor-status label { padding: 0 2px; }
)";

void InstallCompactStyle() {
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, kCompactStyle, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(css);
}

gboolean RunWork(gpointer work) {
  (*static_cast<std::function<void()>*>(work))();
  return G_SOURCE_REMOVE;
}

gboolean RunTick(gpointer tick) {
  (*static_cast<std::function<void()>*>(tick))();
  return G_SOURCE_CONTINUE;
}

void DeleteWork(gpointer work) { delete static_cast<std::function<void()>*>(work); }

// Every peer made here is a GtkPeer.
GtkPeer* Native(IControlPeer& peer) { return &dynamic_cast<GtkPeer&>(peer); }

}  // namespace

GtkWindowSystem::GtkWindowSystem()
    : engineSettingsFile_(EngineSettings::DefaultFile()),
      engineSettings_(EngineSettings::Load(engineSettingsFile_)),
      shell_(engineSettingsFile_) {
  InstallCompactStyle();
}

std::unique_ptr<IFormPeer> GtkWindowSystem::CreateFormPeer(IPeerListener& listener) {
  return std::make_unique<FormPeer>(*this, listener);
}

std::unique_ptr<IContainerPeer> GtkWindowSystem::CreateContainerPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<ContainerPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IContainerPeer> GtkWindowSystem::CreateControlBandPeer(IControlPeer& parent,
                                                                       IPeerListener& listener) {
  return std::make_unique<ControlBandPeer>(*this, Native(parent), listener);
}

std::unique_ptr<ITabControlPeer> GtkWindowSystem::CreateTabControlPeer(IControlPeer& parent,
                                                                       IPeerListener& listener) {
  return std::make_unique<TabControlPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IButtonPeer> GtkWindowSystem::CreateButtonPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<ButtonPeer>(*this, Native(parent), listener, false);
}

std::unique_ptr<IButtonPeer> GtkWindowSystem::CreateSpeedButtonPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<ButtonPeer>(*this, Native(parent), listener, true);
}

std::unique_ptr<IEditPeer> GtkWindowSystem::CreateEditPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<EditPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IComboBoxPeer> GtkWindowSystem::CreateComboBoxPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<ComboBoxPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IListPeer> GtkWindowSystem::CreateCheckListBoxPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<CheckListBoxPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IStatusBarPeer> GtkWindowSystem::CreateStatusBarPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<StatusBarPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IShapePeer> GtkWindowSystem::CreateShapePeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<ShapePeer>(*this, Native(parent), listener);
}

std::unique_ptr<ILabelPeer> GtkWindowSystem::CreateLabelPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<LabelPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IMemoPeer> GtkWindowSystem::CreateMemoPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<MemoPeer>(*this, Native(parent), listener);
}

std::unique_ptr<IImagePeer> GtkWindowSystem::CreateImagePeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<ImagePeer>(*this, Native(parent), listener);
}

std::unique_ptr<IAnimatePeer> GtkWindowSystem::CreateAnimatePeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<AnimatePeer>(*this, Native(parent), listener);
}

std::unique_ptr<IWebViewPeer> GtkWindowSystem::CreateWebViewPeer(IControlPeer& parent, IPeerListener& listener) {
  return std::make_unique<WebViewPeer>(*this, Native(parent), listener);
}

void GtkWindowSystem::RunLoop(const std::function<bool()>& done) {
  while (!done()) g_main_context_iteration(nullptr, TRUE);
}

void GtkWindowSystem::ProcessMessages() {
  for (int i = 0; i < kMessagesPerProcessing && g_main_context_pending(nullptr); ++i)
    g_main_context_iteration(nullptr, FALSE);
}

void GtkWindowSystem::Post(std::function<void()> work) {
  g_idle_add_full(G_PRIORITY_DEFAULT, RunWork, new std::function<void()>(std::move(work)), DeleteWork);
}

int GtkWindowSystem::StartTimer(int intervalMs, std::function<void()> tick) {
  return static_cast<int>(g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(intervalMs), RunTick,
                                             new std::function<void()>(std::move(tick)), DeleteWork));
}

void GtkWindowSystem::StopTimer(int id) {
  if (id > 0) g_source_remove(static_cast<guint>(id));
}

Rect GtkWindowSystem::WorkArea() {
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  if (!monitor) return kFallbackWorkArea;
  GdkRectangle area;
  gdk_monitor_get_workarea(monitor, &area);
  return {area.x, area.y, area.width, area.height};
}

int GtkWindowSystem::PixelsPerInch() {
  const double resolution = gdk_screen_get_resolution(gdk_screen_get_default());
  return resolution > 0 ? static_cast<int>(std::lround(resolution)) : kStandardPixelsPerInch;
}

Size GtkWindowSystem::MeasureText(const std::string& text, const FontSpec& font, int wrapWidth) {
  return LabelPeer::Measure(text, font, wrapWidth);
}

void GtkWindowSystem::MinimizeApplication() {
  for (FormPeer* form : forms_) gtk_window_iconify(form->Window());
}

void GtkWindowSystem::RemoveForm(Badge<FormPeer>, FormPeer* form) {
  std::erase(forms_, form);
  if (active_ == form) active_ = nullptr;
}

GtkWindow* GtkWindowSystem::DialogParent() const {
  if (active_ && gtk_widget_get_visible(active_->Widget())) return active_->Window();
  for (FormPeer* form : forms_)
    if (gtk_widget_get_visible(form->Widget())) return form->Window();
  return nullptr;
}

void GtkWindowSystem::ShowErrorBox(const std::string& text, const std::string& caption) {
  GtkWidget* box = gtk_message_dialog_new(DialogParent(), GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, "%s",
                                          ToGtk(text).c_str());
  gtk_window_set_title(GTK_WINDOW(box), ToGtk(caption).c_str());
  // GTK 3 draws no icon in a message box unless it is given one.
  GtkWidget* icon = gtk_image_new_from_icon_name("dialog-error", GTK_ICON_SIZE_DIALOG);
  gtk_widget_show(icon);
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), icon);
  G_GNUC_END_IGNORE_DEPRECATIONS
  openBoxes_.push_back(GTK_DIALOG(box));
  gtk_dialog_run(GTK_DIALOG(box));
  openBoxes_.pop_back();
  gtk_widget_destroy(box);
}

bool GtkWindowSystem::RunPrinterSetup() {
  GtkWidget* dialog = gtk_page_setup_unix_dialog_new(nullptr, DialogParent());
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  const bool confirmed = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
  gtk_widget_destroy(dialog);
  return confirmed;
}

// A message box still waiting for its OK would keep the program from ending.
void GtkWindowSystem::EndSession() {
  if (sessionEnd_) sessionEnd_();
  for (GtkDialog* box : openBoxes_) gtk_dialog_response(box, GTK_RESPONSE_CLOSE);
}

}  // namespace platform::gtk
