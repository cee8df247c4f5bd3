#pragma once
// A clip played in a box: frames 1 to StopFrame, centred, over and over while
// active. The clock runs only while the box is on screen, so an animation in
// a hidden window costs nothing.
#include <memory>

#include "forms/TWinControl.h"
#include "platform/Clip.h"

class TTimer;

using TCommonAVI = platform::Clip;
constexpr TCommonAVI aviNone = platform::Clip::None;
constexpr TCommonAVI aviFindFolder = platform::Clip::FindFolder;

class TAnimate : public TWinControl {
 public:
  explicit TAnimate(TComponent* owner);

  TCommonAVI CommonAVI() const { return clip_; }
  void SetCommonAVI(TCommonAVI clip);
  // The clip's frames; 0 without a clip.
  int FrameCount() const { return platform::FormatOf(clip_).frameCount; }
  // The last frame played; 0 plays the whole clip.
  int StopFrame() const { return stopFrame_; }
  void SetStopFrame(int frame);
  bool Active() const { return active_; }
  // Switched on, the clip starts again at its first frame.
  void SetActive(bool active);

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;
  void ShowingChanged() override;

 private:
  int LastFrame() const;
  void ShowFrame(int frame);
  void NextFrame();
  void UpdateClock();

  TCommonAVI clip_ = aviNone;
  int stopFrame_ = 0;
  bool active_ = false;
  int frame_ = 0;
  TTimer* clock_;
  std::unique_ptr<platform::IAnimatePeer> peer_;
};
