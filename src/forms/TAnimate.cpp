#include "forms/TAnimate.h"

#include <algorithm>

#include "forms/TTimer.h"

TAnimate::TAnimate(TComponent* owner) : TWinControl(owner), clock_(TComponent::Create<TTimer>(this, "")) {
  clock_->SetEnabled(false);
  clock_->SetOnTimer([this](TObject*) { NextFrame(); });
}

void TAnimate::SetCommonAVI(TCommonAVI clip) {
  if (clip == clip_) return;
  clip_ = clip;
  if (peer_) peer_->SetClip(clip_);
  clock_->SetInterval(platform::FormatOf(clip_).frameInterval);
  ShowFrame(FrameCount() > 0 ? 1 : 0);
  UpdateClock();
}

void TAnimate::SetStopFrame(int frame) {
  if (frame == stopFrame_) return;
  stopFrame_ = frame;
  if (frame_ > LastFrame()) ShowFrame(1);
}

void TAnimate::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_ && FrameCount() > 0) ShowFrame(1);
  UpdateClock();
}

int TAnimate::LastFrame() const {
  return stopFrame_ > 0 ? std::min(stopFrame_, FrameCount()) : FrameCount();
}

void TAnimate::ShowFrame(int frame) {
  frame_ = frame;
  if (peer_) peer_->ShowFrame(frame_);
}

void TAnimate::NextFrame() { ShowFrame(frame_ >= LastFrame() ? 1 : frame_ + 1); }

void TAnimate::UpdateClock() { clock_->SetEnabled(active_ && FrameCount() > 0 && OnScreen()); }

platform::IControlPeer& TAnimate::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateAnimatePeer(*parent, *this);
  return *peer_;
}

void TAnimate::ApplyToPeer() {
  TWinControl::ApplyToPeer();
  peer_->SetColor(ParentColor());
  peer_->SetClip(clip_);
  peer_->ShowFrame(frame_);
  UpdateClock();
}

void TAnimate::ShowingChanged() {
  TWinControl::ShowingChanged();
  UpdateClock();
}
