#include "forms/TControl.h"

#include "forms/TApplication.h"
#include "forms/TForm.h"
#include "forms/TWinControl.h"

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(Application->WindowSystem().PixelsPerInch()) {
  font_.SetOnChange([this] { FontChanged(); });
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl({}, this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl({}, this);
  parent_ = parent;
  if (!parent_) return;
  parent_->InsertControl({}, this);
  if (parent_->Peer()) CreatePeer();
  RequestParentRealign();
}

TForm* TControl::ParentForm() const { return parent_ ? parent_->ParentForm() : nullptr; }

void TControl::SetBounds(int left, int top, int width, int height) {
  const platform::Rect bounds{left, top, width, height};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  if (peer_) peer_->SetBounds(bounds_);
  if (align_ != alNone) RequestParentRealign();
  BoundsChanged();
}

void TControl::SetBoundsFromUser(const platform::Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  BoundsChanged();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestParentRealign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (peer_) peer_->SetVisible(visible_);
  RequestParentRealign();
  ShowingChanged();
}

bool TControl::OnScreen() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible()) return false;
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (peer_) peer_->SetEnabled(enabled_);
  EnabledChanged();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TControl::SetCaption(const AnsiString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  CaptionChanged();
}

void TControl::SetHint(const AnsiString& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (peer_) peer_->SetHint(ShownHint());
}

void TControl::SetShowHint(bool show) {
  if (show == showHint_) return;
  showHint_ = show;
  if (peer_) peer_->SetHint(ShownHint());
}

void TControl::SetPicture(const std::string& name) {
  if (name == picture_) return;
  picture_ = name;
  PictureChanged();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  if (peer_) peer_->SetCursor(cursor_);
}

TColor TControl::ParentColor() const {
  const TForm* form = ParentForm();
  return form ? form->Color() : clBtnFace;
}

void TControl::Click() {
  CallEvent(OnClick, this);
}

void TControl::CreatePeer() {
  peer_ = &MakePeer(Application->WindowSystem(), parent_ ? parent_->Peer() : nullptr);
  ApplyToPeer();
}

void TControl::ApplyToPeer() {
  peer_->SetBounds(bounds_);
  peer_->SetHint(ShownHint());
  if (cursor_ != crDefault) peer_->SetCursor(cursor_);
  peer_->SetEnabled(enabled_);
  peer_->SetVisible(visible_);
}

bool TControl::OnPeerEvent(const platform::PeerEvent& event) {
  bool used = true;
  Application->Dispatch([&] { used = HandlePeerEvent(event); });
  return used;
}

bool TControl::HandlePeerEvent(const platform::PeerEvent& event) {
  if (!std::holds_alternative<platform::Click>(event) || !Enabled()) return false;
  Click();
  return true;
}

void TControl::RequestParentRealign() {
  if (parent_) parent_->Realign();
}
