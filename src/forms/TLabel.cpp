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
  if (Peer()) Peer()->SetWordWrap(wordWrap_);
  AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  if (Peer()) Peer()->SetTransparent(transparent_);
}

void TLabel::FontChanged() {
  TControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  const int wrapWidth = wordWrap_ ? Width() : 0;
  const platform::Size text = Application->WindowSystem().MeasureText(Caption(), Font()->Spec(), wrapWidth);
  SetBounds(Left(), Top(), wordWrap_ ? Width() : text.width, text.height);
}

void TLabel::ApplyToPeer() {
  TControl::ApplyToPeer();
  Peer()->SetWordWrap(wordWrap_);
  Peer()->SetColor(ParentColor());
  Peer()->SetTransparent(transparent_);
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
