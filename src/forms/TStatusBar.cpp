#include "forms/TStatusBar.h"

void TStatusPanel::SetText(const AnsiString& text) {
  if (text == text_) return;
  text_ = text;
  bar_->PanelChanged({}, index_);
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetAlign(alBottom); }

void TStatusBar::AddPanel(int width) {
  panels_.emplace_back(*this, PanelCount(), width);
  if (peer_) ApplyToPeer();
}

void TStatusBar::SetSimpleText(const AnsiString& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  if (peer_) peer_->SetSimpleText(simpleText_);
}

void TStatusBar::PanelChanged(Badge<TStatusPanel>, int index) {
  if (peer_) peer_->SetPanelText(index, panels_[index].Text());
}

platform::IControlPeer& TStatusBar::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateStatusBarPeer(*parent, *this);
  return *peer_;
}

void TStatusBar::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  std::vector<int> widths;
  for (const TStatusPanel& p : panels_) widths.push_back(p.Width());
  peer_->SetPanels(widths);
  for (const TStatusPanel& p : panels_) peer_->SetPanelText(&p - panels_.data(), p.Text());
  peer_->SetSimpleText(simpleText_);
}
