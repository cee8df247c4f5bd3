#include <sys/stat.h>

#include "ProgramScenario.h"

namespace {

using MainWindow = ProgramScenario;

TEST_F(MainWindow, KeysGoToThePageFirstThenToTheMenuThenToTheFocusedControlOrTheWindow) {
  Then([&] {
    Web().pageAccelerators = {VK_DELETE};
    ui.PressKey(VK_DELETE);
    EXPECT_EQ(Web().keysToPage, 1);
    ui.PressKey(VK_F5);
    ui.Focus(Form1->ComboBox1->Peer());
    ui.PressKey(VK_DELETE);
    EXPECT_EQ(Web().keysToPage, 1) << "only while the page has the focus";
    ui.PressKey(VK_F5);
    ui.PressKey(VK_F5, TShiftState::Ctrl);
    Form1->FocusControl(nullptr);
    ui.PressKey(VK_F5, TShiftState::Ctrl);
    EXPECT_EQ(Web().calls, (std::vector<std::string>{"GoHome", "Refresh", "Stop", "Refresh", "Refresh"}));

    const auto& menu = Peer(Form1).menu;
    EXPECT_EQ(menu[1].children[2].shortcutText, "F5");
    EXPECT_EQ(menu[1].children[3].shortcutText, "Del");
    EXPECT_EQ(menu[4].shortcutText, "F1");
  });
  RunProgram();
}

TEST_F(MainWindow, EveryWayOfClosingWritesTheHistoryAndEndsTheProgram) {
  const std::vector<std::function<void()>> closings{
      [&] { ui.ChooseMenu(Form1->Peer(), {"&Soubor", "Konec"}); },
      [&] { ui.ChooseMenu(Form1->Peer(), {"Konec"}); },
      [&] { ui.CloseWindow(Form1->Peer()); },
  };
  // Queued at once: a close that does not end its run goes on into the next
  // step, which adds a second entry.
  for (const auto& close : closings)
    Then([&] {
      Form1->CheckListBox1->Items()->Add("three");
      close();
    });
  bool wentOn = false;
  Then([&] { wentOn = true; });
  for (size_t i = 0; i < closings.size(); ++i) {
    dir.Write("history.kln", "one\r\n\r\ntwo");
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(dir.Read("history.kln"), "one\r\n\r\ntwo\r\nthree\r\n") << "closing " << i;
  }
  EXPECT_FALSE(wentOn) << "the program went on after the last closing";
}

TEST_F(MainWindow, AFailedHistoryWriteKeepsTheWindowOpenAndALaterCloseTriesAgain) {
  dir.Write("edit.kln", "");
  dir.Write("history.kln", "old\r\n");
  Then([&] {
    chmod(dir.File("history.kln").c_str(), 0444);
    ui.CloseWindow(Form1->Peer());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Messages(),
              std::vector<std::string>{FileError("Cannot create file", "history.kln", "Permission denied")});
    chmod(dir.File("history.kln").c_str(), 0644);
    Form1->CheckListBox1->Items()->Add("new");
    ui.ChooseMenu(Form1->Peer(), {"Konec"});
  });
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_EQ(dir.Read("history.kln"), "old\r\nnew\r\n");
}

struct SessionEndCase {
  const char* what;
  bool historyWritable;
  bool inFavorites;
  const char* history;
  const char* standardError;  // after the application title
};

void PrintTo(const SessionEndCase& c, std::ostream* out) { *out << c.what; }

class SessionEnd : public ProgramScenario, public testing::WithParamInterface<SessionEndCase> {};

TEST_P(SessionEnd, ClosesTheMainWindowLikeKonecAndEndsTheProgramEvenWhenTheWriteFails) {
  const SessionEndCase& c = GetParam();
  dir.Write("edit.kln", "");
  dir.Write("nte.txt", "");
  dir.Write("history.kln", "old\r\n");
  chmod(dir.File("history.kln").c_str(), c.historyWritable ? 0644 : 0444);
  Then([&] {
    Form1->CheckListBox1->Items()->Add("new");
    if (c.inFavorites) ui.Click(Form1->SpeedButton7->Peer());
  });
  Then([&] { system.EndSession(); });
  bool wentOn = false;
  Then([&] { wentOn = true; });
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunProgram(), 0);
  const std::string standardError = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(wentOn) << "the program went on after the session ended";
  EXPECT_EQ(dir.Read("history.kln"), c.history);
  const std::string report = FileError("Cannot create file", "history.kln", c.standardError);
  EXPECT_EQ(standardError, *c.standardError ? "Kalnor internet 2005 - 2.0: " + report + "\n" : "");
  EXPECT_EQ(Messages(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, SessionEnd,
    testing::Values(SessionEndCase{"InTheMainWindow", true, false, "old\r\nnew\r\n", ""},
                    SessionEndCase{"WhileTheFavoritesWindowIsShown", true, true, "old\r\nnew\r\n", ""},
                    SessionEndCase{"WithAHistoryThatCannotBeWritten", false, false, "old\r\n", "Permission denied"}),
    [](const testing::TestParamInfo<SessionEndCase>& param) { return std::string(param.param.what); });

}  // namespace
