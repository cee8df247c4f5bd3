#include "forms/Containers.h"

#include "platform/TabRow.h"

platform::PeerKind TToolBar::PeerType() const {
  return dynamic_cast<TControlBar*>(Parent()) ? platform::PeerKind::ControlBand : platform::PeerKind::Container;
}

void TTabControl::SetTabs(std::vector<AnsiString> tabs) {
  tabs_ = std::move(tabs);
  if (Peer()) Peer()->SetTabs(tabs_);
}

platform::Rect TTabControl::DisplayRect() const {
  constexpr int border = 4;
  return {border, border + platform::kTabRowHeight, Width() - 2 * border,
          Height() - 2 * border - platform::kTabRowHeight};
}

void TTabControl::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  Peer()->SetTabs(tabs_);
}
