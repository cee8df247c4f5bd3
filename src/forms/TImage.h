#pragma once
// A picture standing on its parent without a window of its own: it can be
// clicked but never takes the focus.
#include "forms/TControl.h"

class TImage : public TControl {
 public:
  using TControl::TControl;

 protected:
  platform::PeerKind PeerType() const override { return platform::PeerKind::Image; }
};
