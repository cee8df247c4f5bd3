#include "forms/TForm.h"

#include <cctype>

#include "forms/Menus.h"
#include "forms/TApplication.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  BeginLoading();
  SetVisible(false);
  CreatePeer();
}

// Children go before the window they stand in.
TForm::~TForm() { DestroyComponents(); }

platform::IControlPeer& TForm::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* /*parent*/) {
  peer_ = system.CreateFormPeer(*this);
  return *peer_;
}

platform::Size TForm::FrameSize() const {
  if (reportedFrame_) return *reportedFrame_;
  const platform::Insets frame = platform::FrameInsets(borderStyle_, menu_ != nullptr);
  return {frame.Horizontal(), frame.Vertical()};
}

void TForm::SetClientWidth(int width) {
  SetWidth(width + FrameSize().width);
  clientSized_ = true;
}

void TForm::SetClientHeight(int height) {
  SetHeight(height + FrameSize().height);
  clientSized_ = true;
}

// A window manager's frame differs from the fixed table: the client area is
// then what the window really got, and the children are laid out in it. A
// window sized by its client area keeps that size and grows its frame instead.
void TForm::TakeReportedSize(const platform::Rect& outer, const platform::Size& client) {
  const platform::Size frame{outer.width - client.width, outer.height - client.height};
  const bool frameChanged = frame != FrameSize();
  const platform::Size designed{ClientWidth(), ClientHeight()};
  reportedFrame_ = frame;
  if (frameChanged && clientSized_) {
    SetBounds(Left(), Top(), designed.width + frame.width, designed.height + frame.height);
    clientSized_ = true;
  } else if (outer != BoundsRect())
    SetBoundsFromUser(outer);
  else if (frameChanged)
    Realign();
}

void TForm::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (peer_) peer_->SetBorder(borderStyle_, ShownBorderIcons());
}

void TForm::SetNoBorderIcons() {
  borderIcons_ = {false, false, false};
  if (peer_) peer_->SetBorder(borderStyle_, ShownBorderIcons());
}

platform::BorderIcons TForm::ShownBorderIcons() const {
  return Enabled() ? borderIcons_ : platform::BorderIcons{false, false, false};
}

void TForm::EnabledChanged() {
  if (peer_) peer_->SetBorder(borderStyle_, ShownBorderIcons());
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  menu_ = menu;
  if (menu_) menu_->SetForm({}, this);
  ShowMenu();
}

void TForm::ShowMenu() {
  if (!peer_) return;
  if (menu_)
    peer_->SetMenu(menu_->Model(), menu_->Pictures());
  else
    peer_->SetMenu({}, {});
}

void TForm::OpenMenu(Badge<TMainMenu>, int index) {
  if (peer_) peer_->OpenMenu(index);
}

void TForm::SetWindowState(TWindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (peer_) peer_->SetWindowState(state);
}

void TForm::ApplyToPeer() {
  peer_->SetBorder(borderStyle_, ShownBorderIcons());
  TWinControl::ApplyToPeer();
  peer_->SetCaption(Caption());
  if (!Picture().empty()) peer_->SetPicture(Picture());
}

void TForm::CaptionChanged() {
  if (peer_) peer_->SetCaption(Caption());
}

void TForm::PictureChanged() {
  if (peer_) peer_->SetPicture(Picture());
}

void TForm::FocusControl(TWinControl* control) {
  activeControl_ = control;
  if (control && control->Peer()) control->Peer()->SetFocus();
}

void TForm::TakeFocus() {
  peer_->SetFocus();
  if (activeControl_) FocusControl(activeControl_);
}

void TForm::AfterConstruction(Badge<TApplication>) {
  Loaded();
  Application->Fire(OnCreate, this);
  if (designVisible_) Show();
}

void TForm::Show() {
  if (Visible()) return;
  SetVisible(true);
  if (!activeControl_ || !activeControl_->CanFocus()) activeControl_ = FindFirstFocusable();
  TakeFocus();
  Application->SetFocusedForm({}, this);
  Application->AlignForms({});
}

void TForm::Hide() {
  if (!Visible()) return;
  SetVisible(false);
  Application->AlignForms({});
}

void TForm::Activated(Badge<TApplication>) {
  Application->Fire(OnActivate, this);
}

bool TForm::CloseQuery() {
  bool canClose = true;
  CallEvent(OnCloseQuery, this, canClose);
  return canClose;
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  CallEvent(OnClose, this, action);
  if (action == caNone) return;
  if (Application->MainForm() == this)
    Application->Terminate();
  else
    Hide();
}

int TForm::ShowModal() {
  TForm* previous = Application->FocusedForm();
  const std::vector<TForm*> disabled = Application->DisableFormsExcept({}, this);
  modal_ = true;
  modalResult_ = mrNone;
  peer_->BeginModal();
  Show();
  Application->WindowSystem().RunLoop([this] {
    if (Application->Terminated()) modalResult_ = mrCancel;
    if (modalResult_ != mrNone) CloseModal();
    return modalResult_ != mrNone;
  });
  peer_->EndModal();
  modal_ = false;
  Application->EnableForms({}, disabled);
  Hide();
  Application->RestoreFocusedForm({}, previous);
  return modalResult_;
}

void TForm::CloseModal() {
  if (!CloseQuery()) {
    modalResult_ = mrNone;
    return;
  }
  TCloseAction action = caHide;
  // A close handler that fails is reported, and the window still closes: a
  // modal window must always be possible to leave.
  Application->Fire(OnClose, this, action);
  if (action == caNone) modalResult_ = mrNone;
}

void TForm::Repaint() {
  if (peer_) peer_->Repaint();
}

void TForm::PaintClientArea(platform::ICanvas& screen) {
  // Double buffered, the paint goes to a fresh buffer shown in one step;
  // otherwise straight to the screen, where it can be seen half-drawn.
  auto paint = [this](platform::ICanvas& surface) {
    surface.FillRect(DisplayRect(), Color());
    canvas_.SetSurface(&surface);
    Application->Fire(OnPaint, this);
    canvas_.SetSurface(nullptr);
  };
  if (doubleBuffered_)
    screen.PaintBuffered(paint);
  else
    paint(screen);
}

void TForm::BoundsChanged() {
  clientSized_ = false;
  TWinControl::BoundsChanged();
  const platform::Rect now = BoundsRect();
  if (now.width == lastSize_.width && now.height == lastSize_.height) return;
  lastSize_ = now;
  Application->Fire(OnResize, this);
}

// Minimised while a modal window is up, the windows of the application would
// leave an empty screen with no way back to them: the window comes back at once.
void TForm::TakeReportedState(TWindowState state) {
  if (state == wsMinimized && Application->ModalForm()) {
    peer_->SetWindowState(windowState_);
    return;
  }
  windowState_ = state;
}

bool TForm::HandlePeerEvent(const platform::PeerEvent& event) {
  return std::visit(
      platform::Overloaded{
          [&](const platform::KeyDown& down) { return RouteKeyDown(down.key, down.shift, down.ch); },
          [&](const platform::MenuCommand& chosen) {
            if (menu_ && Enabled()) menu_->Command({}, chosen.commandId);
            return true;
          },
          [&](const platform::Activate&) {
            Application->SetFocusedForm({}, this);
            return true;
          },
          [&](const platform::CloseRequest&) {
            // Without a close box the window manager's close (Alt+F4) is not a way out.
            if (borderIcons_.systemMenu) Close();
            return true;
          },
          [&](const platform::Resized& resized) {
            TakeReportedSize(resized.bounds, resized.client);
            return true;
          },
          [&](const platform::StateChanged& changed) {
            TakeReportedState(changed.state);
            return true;
          },
          [&](const platform::Paint& paint) {
            PaintClientArea(paint.canvas);
            return true;
          },
          [&](const auto&) { return TWinControl::HandlePeerEvent(event); },
      },
      event);
}

bool TForm::IsShortCut(Word key, TShiftState shift) {
  if (menu_ && menu_->IsShortCut(key, shift)) return true;
  return Application->IsShortCut({}, this, key, shift);
}

bool TForm::RouteAccessKey(char ch) {
  if (DialogChar(ch)) return true;
  return menu_ && menu_->AccessKey(ch);
}

bool TForm::OfferDialogKey(Word key, TShiftState shift) {
  if ((key != VK_RETURN && key != VK_ESCAPE) || !shift.Empty()) return false;
  if (activeControl_ && activeControl_->WantsDialogKey(key)) return false;
  return DialogKey(key);
}

bool TForm::MoveFocus(bool backwards) {
  std::vector<TWinControl*> order;
  CollectTabOrder(order);
  std::erase_if(order, [](TWinControl* w) { return !w->CanFocus(); });
  if (order.empty()) return true;
  auto it = std::find(order.begin(), order.end(), activeControl_);
  const int n = static_cast<int>(order.size());
  int index = it == order.end() ? (backwards ? 0 : n - 1) : static_cast<int>(it - order.begin());
  index = (index + (backwards ? n - 1 : 1)) % n;
  FocusControl(order[index]);
  return true;
}

bool TForm::RouteKeyDown(Word key, TShiftState shift, char ch) {
  TWinControl* focused = activeControl_ && activeControl_->CanFocus() ? activeControl_ : nullptr;
  if (focused && focused->OwnAccelerator(key, shift)) return false;
  if (IsShortCut(key, shift)) return true;
  const bool alt = shift.Contains(TShiftState::Alt) && !shift.Contains(TShiftState::Ctrl);
  if (alt && std::isalnum(static_cast<unsigned char>(key))) return RouteAccessKey(static_cast<char>(key));
  if (key == VK_TAB && !shift.Contains(TShiftState::Alt) && !shift.Contains(TShiftState::Ctrl))
    return MoveFocus(shift.Contains(TShiftState::Shift));
  if (OfferDialogKey(key, shift)) return true;
  Word k = key;
  TWinControl* target = focused ? focused : this;
  if (target->KeyDown(k, shift)) return true;
  if (ch == 0 || shift.Contains(TShiftState::Alt) || shift.Contains(TShiftState::Ctrl)) return false;
  return target->KeyPress(ch);
}
