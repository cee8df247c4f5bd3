#include "forms/TMemo.h"

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(*this) {
  SetTabStop(true);
  SetColor(clWhite);
}

void TMemo::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  if (peer_) peer_->SetWordWrap(wordWrap_);
}

void TMemo::ShowLines() {
  if (peer_) peer_->SetText(lines_.Text());
}

void TMemo::FontChanged() {
  if (peer_) peer_->SetFont(Font()->Spec());
}

platform::IControlPeer& TMemo::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateMemoPeer(*parent, *this);
  return *peer_;
}

void TMemo::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  peer_->SetFont(Font()->Spec());
  peer_->SetWordWrap(wordWrap_);
  ShowLines();
}

int TMemo::TMemoLines::Add(const AnsiString& s) {
  const int index = list_.Add(s);
  Changed();
  return index;
}

void TMemo::TMemoLines::Delete(int index) {
  list_.Delete(index);
  Changed();
}

void TMemo::TMemoLines::Clear() {
  list_.Clear();
  Changed();
}

AnsiString TMemo::TMemoLines::Text() const {
  AnsiString text;
  for (int i = 0; i < list_.Count(); ++i) {
    if (i > 0) text += "\r\n";
    text.append(list_.View(i));
  }
  return text;
}

void TMemo::TMemoLines::SetUpdateState(bool updating) {
  if (!updating) memo_.ShowLines();
}

void TMemo::TMemoLines::Changed() {
  if (UpdateCount() == 0) memo_.ShowLines();
}
