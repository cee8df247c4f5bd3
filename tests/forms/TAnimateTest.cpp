#include <gtest/gtest.h>

#include "forms/TAnimate.h"
#include "forms/TestWindow.h"

namespace {

class Animations : public FormsTest {
 protected:
  TAnimate* Clip(TForm* on, int stopFrame = 29) {
    TAnimate* animate = TComponent::Create<TAnimate>(on, "Animate");
    animate->SetParent(on);
    animate->SetCommonAVI(aviFindFolder);
    animate->SetStopFrame(stopFrame);
    animate->SetActive(true);
    return animate;
  }
  int FrameOf(const TAnimate* animate) { return PeerOf(animate).clipFrame; }
  // The frames shown after each of the next count frame times.
  std::vector<int> Play(const TAnimate* animate, int count) {
    std::vector<int> frames;
    for (int i = 0; i < count; ++i) {
      env.System().AdvanceTime(100);
      frames.push_back(FrameOf(animate));
    }
    return frames;
  }
};

TEST_F(Animations, TheFindFolderClipPlaysItsFramesInTurnAndStartsAgain) {
  const TAnimate* animate = Clip(window);
  EXPECT_EQ(animate->FrameCount(), 29);
  EXPECT_EQ(PeerOf(animate).clip, platform::Clip::FindFolder);
  EXPECT_EQ(FrameOf(animate), 1);
  std::vector<int> expected;
  for (int frame = 2; frame <= 29; ++frame) expected.push_back(frame);
  for (int frame : {1, 2, 3}) expected.push_back(frame);
  EXPECT_EQ(Play(animate, 31), expected);
}

TEST_F(Animations, StopFrameEndsTheRunAndSwitchingOffHoldsTheFrame) {
  TAnimate* animate = Clip(window, 3);
  EXPECT_EQ(Play(animate, 4), (std::vector<int>{2, 3, 1, 2}));
  animate->SetActive(false);
  EXPECT_EQ(Play(animate, 2), (std::vector<int>{2, 2}));
  animate->SetActive(true);
  EXPECT_EQ(FrameOf(animate), 1) << "switched on again, it starts from the first frame";
  animate->SetStopFrame(0);
  EXPECT_EQ(Play(animate, 3), (std::vector<int>{2, 3, 4})) << "0 plays the whole clip";
}

TEST_F(Animations, TheClockRunsOnlyWhileTheWindowIsShown) {
  const int timers = env.System().RunningTimers();
  const TAnimate* animate = Clip(dialog);
  EXPECT_EQ(env.System().RunningTimers(), timers) << "a hidden window's clip costs nothing";
  EXPECT_EQ(Play(animate, 3), (std::vector<int>{1, 1, 1}));
  dialog->Show();
  EXPECT_EQ(Play(animate, 2), (std::vector<int>{2, 3}));
  dialog->Hide();
  EXPECT_EQ(env.System().RunningTimers(), timers);
  EXPECT_EQ(Play(animate, 2), (std::vector<int>{3, 3}));
}

}  // namespace
