#include <gtest/gtest.h>

#include "forms/TestWindow.h"
#include "rtl/Exceptions.h"

namespace {

class TSelfReading;
TSelfReading* selfReading = nullptr;

// A window whose construction sees its own global, or fails when told to.
class TSelfReading : public TForm {
 public:
  static inline bool fail = false;
  static inline bool sawItself = false;
  explicit TSelfReading(TComponent* owner) : TForm(owner) {
    sawItself = selfReading == this;
    if (fail) throw EOutOfResources("Not enough timers available");
  }
};

TEST(Application, TheGlobalHoldsAWindowWhileItIsBuiltAndIsEmptiedWhenTheBuildFails) {
  HeadlessApp env;
  env.App().CreateForm(selfReading);
  EXPECT_TRUE(TSelfReading::sawItself);
  EXPECT_EQ(env.App().MainForm(), selfReading);

  TSelfReading::fail = true;
  TSelfReading* second = nullptr;
  EXPECT_THROW(env.App().CreateForm(second), EOutOfResources);
  EXPECT_EQ(second, nullptr);
  TSelfReading::fail = false;
  selfReading = nullptr;
}

TEST(Application, TheReportAddsAFullStopOnlyAfterCharactersSortingAfterItAndAnAbortIsSilent) {
  HeadlessApp env;
  env.App().SetTitle("Kalnor internet 2005 - 2.0");
  for (const char* message : {"Stream write error", "Done.", "Failed (code 5)", "Why?", "Konec ž"})
    env.App().Dispatch([&] { throw Exception(message); });
  env.App().Dispatch([] { throw EAbort(); });
  EXPECT_EQ(env.Messages(), (std::vector<std::string>{"Stream write error.", "Done.", "Failed (code 5)", "Why?.",
                                                      "Konec ž."}));
  for (const auto& box : env.System().MessageBoxes()) EXPECT_EQ(box.caption, "Kalnor internet 2005 - 2.0");
}

TEST(Application, RunAppliesTheStartShowStateToTheMainWindow) {
  for (const auto state : {platform::StartShowState::Maximized, platform::StartShowState::Minimized}) {
    HeadlessApp env;
    TTestWindow* window = nullptr;
    env.System().SetStartShow(state);
    env.App().CreateForm(window);
    env.App().Run();
    const bool maximized = state == platform::StartShowState::Maximized;
    EXPECT_EQ(window->WindowState(), maximized ? wsMaximized : wsNormal);
    EXPECT_EQ(PeerOf(window).windowState,
              maximized ? platform::WindowState::Maximized : platform::WindowState::Normal);
    EXPECT_EQ(env.System().ApplicationMinimized(), !maximized);
  }
}

TEST(Application, TerminateEndsTheLoopAfterWhatIsAlreadyQueued) {
  HeadlessApp env;
  TTestWindow* window = nullptr;
  env.App().CreateForm(window);
  bool queuedRan = false;
  env.System().QueueScript([&] {
    env.System().Post([&] { queuedRan = true; });
    env.App().Terminate();
  });
  env.System().QueueScript([] { ADD_FAILURE() << "the loop went on after terminating"; });
  env.App().Run();
  EXPECT_TRUE(queuedRan);
}

}  // namespace
