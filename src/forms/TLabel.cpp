#include "forms/TLabel.h"

#include "forms/TApplication.h"

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  if (peer_) peer_->SetWordWrap(wordWrap_);
  AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  if (peer_) peer_->SetTransparent(transparent_);
}

void TLabel::CaptionChanged() {
  if (peer_) peer_->SetCaption(Caption());
  AdjustBounds();
}

void TLabel::FontChanged() {
  if (peer_) peer_->SetFont(Font()->Spec());
  AdjustBounds();
}

void TLabel::Loaded() {
  TControl::Loaded();
  AdjustBounds();
}

// Built from its window's description, a label is measured once, with the
// caption and font it ends with: each font measured costs the window
// system a font of its own.
void TLabel::AdjustBounds() {
  if (!autoSize_ || Loading()) return;
  const int wrapWidth = wordWrap_ ? Width() : 0;
  const platform::Size text = Application->WindowSystem().MeasureText(Caption(), Font()->Spec(), wrapWidth);
  SetBounds(Left(), Top(), wordWrap_ ? Width() : text.width, text.height);
}

platform::IControlPeer& TLabel::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateLabelPeer(*parent, *this);
  return *peer_;
}

void TLabel::ApplyToPeer() {
  TControl::ApplyToPeer();
  peer_->SetCaption(Caption());
  peer_->SetFont(Font()->Spec());
  peer_->SetWordWrap(wordWrap_);
  peer_->SetColor(ParentColor());
  peer_->SetTransparent(transparent_);
}

bool TLabel::HandlePeerEvent(const platform::PeerEvent& event) {
  if (std::holds_alternative<platform::MouseEnter>(event)) {
    CallEvent(OnMouseEnter, this);
    return true;
  }
  if (std::holds_alternative<platform::MouseLeave>(event)) {
    CallEvent(OnMouseLeave, this);
    return true;
  }
  return TControl::HandlePeerEvent(event);
}
