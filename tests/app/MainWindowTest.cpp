#include "ProgramScenario.h"
#include "app/Unit2.h"
#include "forms/TApplication.h"

namespace {

using MainWindow = ProgramScenario;

TEST_F(MainWindow, APageThatUsesAKeyGetsItBeforeTheMenu) {
  Then([&] {
    Web().pageAccelerators = {VK_DELETE};
    ui.PressKey(VK_DELETE);
    EXPECT_EQ(Web().keysToPage, 1);
    ui.Focus(Form1->ComboBox1->Peer());
    ui.PressKey(VK_DELETE);
    EXPECT_EQ(Web().keysToPage, 1) << "only while the page has the focus";
    EXPECT_EQ(Web().calls, (std::vector<std::string>{"GoHome", "Stop"}));
  });
  RunProgram();
}

TEST_F(MainWindow, F5RefreshesOnceThroughTheMenuAndCtrlF5OnlyWhenTheWindowHoldsTheFocus) {
  Then([&] {
    ui.PressKey(VK_F5);
    ui.Focus(Form1->ComboBox1->Peer());
    ui.PressKey(VK_F5);
    ui.PressKey(VK_F5, TShiftState::Ctrl);
    Form1->FocusControl(nullptr);
    ui.PressKey(VK_F5, TShiftState::Ctrl);
    EXPECT_EQ(Web().calls, (std::vector<std::string>{"GoHome", "Refresh", "Refresh", "Refresh"}));
  });
  RunProgram();
}

// Closes the main window the given way; the history is written and the program ends.
void ExpectCloseWritesTheHistory(MainWindow& t, const std::function<void()>& close) {
  t.dir.Write("history.kln", "one\r\n\r\ntwo");
  bool wentOn = false;
  t.Then([&] {
    Form1->CheckListBox1->Items()->Add("three");
    close();
  });
  t.Then([&] { wentOn = true; });
  EXPECT_EQ(t.RunProgram(), 0);
  EXPECT_FALSE(wentOn) << "the program went on after closing";
  EXPECT_EQ(t.dir.Read("history.kln"), "one\r\n\r\ntwo\r\nthree\r\n");
}

TEST_F(MainWindow, KonecInTheFileMenuWritesTheHistory) {
  ExpectCloseWritesTheHistory(*this, [&] { ui.ChooseMenu(Form1->Peer(), {"&Soubor", "Konec"}); });
}

TEST_F(MainWindow, KonecOnTheMenuBarWritesTheHistory) {
  ExpectCloseWritesTheHistory(*this, [&] { ui.ChooseMenu(Form1->Peer(), {"Konec"}); });
}

TEST_F(MainWindow, TheTitleBarCloseButtonWritesTheHistory) {
  ExpectCloseWritesTheHistory(*this, [&] { ui.CloseWindow(Form1->Peer()); });
}

TEST_F(MainWindow, AFailedHistoryWriteKeepsTheWindowOpenAndALaterCloseTriesAgain) {
  dir.Write("edit.kln", "");
  dir.Write("history.kln", "old\r\n");
  Then([&] {
    chmod(dir.File("history.kln").c_str(), 0444);
    ui.CloseWindow(Form1->Peer());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot create file \"" + dir.File("history.kln") +
                                                   "\". Permission denied."});
    chmod(dir.File("history.kln").c_str(), 0644);
    Form1->CheckListBox1->Items()->Add("new");
    ui.ChooseMenu(Form1->Peer(), {"Konec"});
  });
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_EQ(dir.Read("history.kln"), "old\r\nnew\r\n");
}

TEST_F(MainWindow, ShowingOrHidingAnyWindowLaysTheMainWindowOverTheWorkAreaAgain) {
  Then([&] {
    ui.MoveResize(Form1->Peer(), {50, 60, 700, 500});
    EXPECT_EQ(Form1->Width(), 700);
    Form2->Show();
    EXPECT_EQ(Form1->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));
    ui.MoveResize(Form1->Peer(), {50, 60, 700, 500});
    Form2->Hide();
    EXPECT_EQ(Form1->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));
  });
  RunProgram();
}

TEST_F(MainWindow, TheFormDescriptionBuildsEveryComponent) {
  Then([&] {
    EXPECT_EQ(Form1->ToolBar3->Caption(), "Adresa");
    EXPECT_EQ(Form1->ToolBar1->Caption(), "Funkce");
    EXPECT_EQ(Form1->BitBtn2->Hint(), "Jdi!");
    EXPECT_EQ(Peer(Form1->BitBtn2).hint, "Jdi!");
    EXPECT_EQ(Peer(Form1->Shape1).shape, platform::ShapeKind::Circle);
    EXPECT_EQ(Peer(Form1->Shape1).brush, clWhite);
    EXPECT_EQ(Peer(Form1->StatusBar1).panelWidths, (std::vector<int>{500, 100}));
    EXPECT_FALSE(Form1->TabControl1->Visible());
    EXPECT_TRUE(Form1->BitBtn3->Default() && Form1->BitBtn3->Cancel());
    EXPECT_EQ(Form1->SpeedButton10->Left(), 257);
    EXPECT_EQ(Form1->Timer1->Interval(), 1000);

    const auto& menu = Peer(Form1).menu;
    std::vector<std::string> bar;
    for (const auto& entry : menu) bar.push_back(entry.caption);
    EXPECT_EQ(bar, (std::vector<std::string>{"&Soubor", "&Mo\x9enosti", "Nastaven\xed webu",
                                             "Zaj\xedmav\xe9 weby", "&N\xe1pov\xec" "da", "Konec"}));
    ASSERT_EQ(menu[1].children.size(), 7u);
    EXPECT_EQ(menu[1].children[2].shortcutText, "F5");
    EXPECT_EQ(menu[1].children[3].shortcutText, "Del");
    EXPECT_EQ(menu[4].shortcutText, "F1");
    EXPECT_EQ(menu[3].children.size(), 5u);
    EXPECT_EQ(menu[3].children[2].children.size(), 7u);
  });
  RunProgram();
}

}  // namespace
