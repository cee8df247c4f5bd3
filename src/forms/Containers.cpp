#include "forms/Containers.h"

#include "platform/TabRow.h"

platform::IControlPeer& TContainerControl::MakePeer(platform::IWindowSystem& system,
                                                    platform::IControlPeer* parent) {
  peer_ = IsBand() ? system.CreateControlBandPeer(*parent, *this) : system.CreateContainerPeer(*parent, *this);
  return *peer_;
}

void TContainerControl::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  peer_->SetCaption(Caption());
}

void TContainerControl::CaptionChanged() {
  if (peer_) peer_->SetCaption(Caption());
}

void TTabControl::SetTabs(std::vector<AnsiString> tabs) {
  tabs_ = std::move(tabs);
  if (peer_) peer_->SetTabs(tabs_);
}

platform::Rect TTabControl::DisplayRect() const {
  constexpr int border = 4;
  return {border, border + platform::kTabRowHeight, Width() - 2 * border,
          Height() - 2 * border - platform::kTabRowHeight};
}

platform::IControlPeer& TTabControl::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateTabControlPeer(*parent, *this);
  return *peer_;
}

void TTabControl::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  peer_->SetTabs(tabs_);
}
