#include "forms/TImage.h"

platform::IControlPeer& TImage::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateImagePeer(*parent, *this);
  return *peer_;
}

void TImage::ApplyToPeer() {
  TControl::ApplyToPeer();
  if (!Picture().empty()) peer_->SetPicture(Picture());
}

void TImage::PictureChanged() {
  if (peer_) peer_->SetPicture(Picture());
}
