#include "platform/gtk/GtkWindowSystem.h"

#include <string>

#include "GtkTestSupport.h"

using platform::gtk::GtkWindowSystem;

class GtkWindowSystemTest : public gtktest::DisplayTest {};

TEST_F(GtkWindowSystemTest, PostedWorkRunsFromTheLoopInOrder) {
  GtkWindowSystem system;
  std::string order;
  system.Post([&] { order += 'a'; });
  system.Post([&] { order += 'b'; });
  EXPECT_EQ(order, "");
  system.RunLoop([&] { return order.size() == 2; });
  EXPECT_EQ(order, "ab");
}

TEST_F(GtkWindowSystemTest, ALoopInsideALoopEndsOnItsOwnCondition) {
  GtkWindowSystem system;
  bool innerDone = false;
  bool outerDone = false;
  std::string trace;
  system.Post([&] {
    system.Post([&] { innerDone = true; });
    system.RunLoop([&] { return innerDone; });
    trace += "inner ended;";
    system.Post([&] { outerDone = true; });
  });
  system.RunLoop([&] { return outerDone; });
  EXPECT_EQ(trace, "inner ended;");
}

TEST_F(GtkWindowSystemTest, ProcessMessagesRunsWhatIsQueuedWithoutWaiting) {
  GtkWindowSystem system;
  int runs = 0;
  system.Post([&] { ++runs; });
  system.ProcessMessages();
  EXPECT_EQ(runs, 1);
  system.ProcessMessages();
  EXPECT_EQ(runs, 1);
}

TEST_F(GtkWindowSystemTest, TimersTickUntilStopped) {
  GtkWindowSystem system;
  int ticks = 0;
  int id = 0;
  id = system.StartTimer(5, [&] {
    if (++ticks == 3) system.StopTimer(id);
  });
  ASSERT_NE(id, 0);
  system.RunLoop([&] { return ticks == 3; });
  gtktest::Settle();
  EXPECT_EQ(ticks, 3);
}

TEST_F(GtkWindowSystemTest, TheWorkAreaLiesOnTheScreen) {
  GtkWindowSystem system;
  const platform::Rect area = system.WorkArea();
  EXPECT_GT(area.width, 0);
  EXPECT_GT(area.height, 0);
  EXPECT_GE(area.left, 0);
}
