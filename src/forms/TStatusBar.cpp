#include "forms/TStatusBar.h"

void TStatusPanel::SetText(const AnsiString& text) {
  if (text == text_) return;
  text_ = text;
  if (bar_->Peer()) bar_->Peer()->SetPanelText(index_, text_);
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetAlign(alBottom); }

void TStatusBar::AddPanel(int width) {
  panels_.emplace_back(*this, PanelCount(), width);
  if (Peer()) ApplyToPeer();
}

void TStatusBar::SetSimpleText(const AnsiString& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  if (Peer()) Peer()->SetSimpleText(simpleText_);
}

void TStatusBar::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  std::vector<int> widths;
  for (const TStatusPanel& p : panels_) widths.push_back(p.Width());
  Peer()->SetPanels(widths);
  for (const TStatusPanel& p : panels_) Peer()->SetPanelText(&p - panels_.data(), p.Text());
  Peer()->SetSimpleText(simpleText_);
}
