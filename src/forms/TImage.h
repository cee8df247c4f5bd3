#pragma once
// A picture standing on its parent without a window of its own: it can be
// clicked but never takes the focus.
#include <memory>

#include "forms/TControl.h"

class TImage : public TControl {
 public:
  using TControl::TControl;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;
  void PictureChanged() override;

 private:
  std::unique_ptr<platform::IImagePeer> peer_;
};
