#include <gtest/gtest.h>

#include "forms/TAnimate.h"
#include "forms/TestWindow.h"

namespace {

using Animations = FormsTest;

TEST_F(Animations, StopFrameEndsTheRunAndSwitchingOffHoldsTheFrame) {
  TAnimate* animate = TComponent::Create<TAnimate>(window, "Animate");
  animate->SetParent(window);
  animate->SetCommonAVI(aviFindFolder);
  animate->SetStopFrame(3);
  animate->SetActive(true);
  // The frames shown after each of the next count frame times.
  auto play = [&](int count) {
    std::vector<int> frames;
    for (int i = 0; i < count; ++i) {
      env.System().AdvanceTime(100);
      frames.push_back(PeerOf(animate).clipFrame);
    }
    return frames;
  };
  EXPECT_EQ(play(4), (std::vector<int>{2, 3, 1, 2}));
  animate->SetActive(false);
  EXPECT_EQ(play(2), (std::vector<int>{2, 2}));
  animate->SetActive(true);
  animate->SetStopFrame(0);
  EXPECT_EQ(play(3), (std::vector<int>{2, 3, 4})) << "switched on again it starts at 1; 0 plays the whole clip";
}

}  // namespace
