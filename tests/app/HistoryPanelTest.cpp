#include "ProgramScenario.h"

namespace {

class HistoryPanel : public ProgramScenario {
 protected:
  HistoryPanel() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "a\r\nb\r\nc\r\nd\r\ne\r\n");
  }
  std::vector<std::string> History() { return Peer(Form1->CheckListBox1).items; }
  void Show() { ui.Click(Form1->SpeedButton6->Peer()); }
  void Tick(int index) { ui.Tick(Form1->CheckListBox1->Peer(), index, true); }
  size_t Navigations() const {
    return std::ranges::count_if(Web().calls, [](const std::string& call) { return call.starts_with("Navigate"); });
  }
};

TEST_F(HistoryPanel, ShowingAndHidingUseTheFixedNumbersWhateverTheWindowsWidth) {
  Then([&] {
    const platform::Rect aligned = Form1->WebBrowser1->BoundsRect();
    Show();
    EXPECT_TRUE(Form1->TabControl1->Visible());
    EXPECT_EQ(Form1->WebBrowser1->Align(), alNone);
    EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{185, aligned.top, 844, aligned.height}));
    EXPECT_EQ(Form1->TabControl1->BoundsRect(), (platform::Rect{0, 35, 185, aligned.height}));
    Show();
    EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{185, aligned.top, 844, aligned.height}));

    ui.MoveResize(Form1->Peer(), {0, 0, 900, 700});
    EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{185, aligned.top, 844, aligned.height}));
    EXPECT_EQ(Form1->TabControl1->Height(), 700 - 54 - 35 - 19) << "the panel follows the height only";

    ui.Click(Form1->SpeedButton11->Peer());
    EXPECT_FALSE(Form1->TabControl1->Visible());
    EXPECT_FALSE(Form1->CheckListBox1->Visible());
    EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{0, aligned.top, 1024, aligned.height}));
    ui.MoveResize(Form1->Peer(), {0, 0, 1400, 900});
    EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{0, aligned.top, 1024, aligned.height}));
  });
  RunProgram();
}

TEST_F(HistoryPanel, TheDeleteButtonRemovesOnlyTickedEntriesAndKeepsTheOrder) {
  Then([&] {
    Show();
    ui.Click(Form1->BitBtn3->Peer());
    EXPECT_EQ(History().size(), 5u) << "nothing ticked, nothing removed";
    ui.Select(Form1->CheckListBox1->Peer(), 0);
    Tick(1);
    Tick(2);
    Tick(4);
    ui.Click(Form1->BitBtn3->Peer());
    EXPECT_EQ(History(), (std::vector<std::string>{"a", "d"})) << "a selected entry without a tick stays";
    EXPECT_EQ(dir.Read("history.kln"), "a\r\nb\r\nc\r\nd\r\ne\r\n") << "only closing writes the list";
    Tick(1);
    ui.Click(Form1->SpeedButton11->Peer());
    ui.ChooseMenu(Form1->Peer(), {"Konec"});
  });
  RunProgram();
  EXPECT_EQ(dir.Read("history.kln"), "a\r\nd\r\n");
}

TEST_F(HistoryPanel, WhileShownTheDeleteButtonTakesPlainEnterEscAndAltMFromTheAddressBoxAndTheList) {
  Then([&] {
    ui.Focus(Form1->ComboBox1->Peer());
    ui.PressKey('M', TShiftState::Alt);
    EXPECT_EQ(Peer(Form1).openMenu, 1) << "hidden: Alt+M opens the menu";
    ui.Type("x.cz");
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Navigations(), 1u) << "hidden: Enter submits";

    Show();
    Peer(Form1).openMenu = -1;
    ui.Focus(Form1->ComboBox1->Peer());
    Tick(0);
    ui.PressKey(VK_RETURN);
    Tick(0);
    ui.PressKey(VK_ESCAPE);
    Tick(0);
    ui.Focus(Form1->CheckListBox1->Peer());
    ui.PressKey(VK_RETURN);
    Tick(0);
    ui.PressKey('M', TShiftState::Alt);
    EXPECT_EQ(History(), std::vector<std::string>{"e"});
    EXPECT_EQ(Peer(Form1).openMenu, -1);
    EXPECT_EQ(Navigations(), 1u);

    Tick(0);
    ui.PressKey(VK_DELETE);
    EXPECT_EQ(History(), std::vector<std::string>{"e"}) << "Delete is the Stop shortcut";
    EXPECT_EQ(Web().calls.back(), "Stop");

    ui.Click(Form1->SpeedButton11->Peer());
    ui.Focus(Form1->ComboBox1->Peer());
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Navigations(), 2u) << "hidden again: Enter submits";
  });
  RunProgram();
}

TEST_F(HistoryPanel, AfterDeletingEntriesAboveTheHighlightSpaceTicksTheHighlightedEntry) {
  Then([&] {
    Show();
    ui.Focus(Form1->CheckListBox1->Peer());
    ui.Select(Form1->CheckListBox1->Peer(), 3);
    Tick(0);
    Tick(1);
    ui.PressKey(VK_ESCAPE);
    ASSERT_EQ(History(), (std::vector<std::string>{"c", "d", "e"}));
    ui.PressKey(VK_SPACE);
    EXPECT_EQ(Peer(Form1->CheckListBox1).checked, (std::vector<bool>{false, true, false}));
    ui.PressKey(VK_ESCAPE);
    ui.ChooseMenu(Form1->Peer(), {"Konec"});
  });
  RunProgram();
  EXPECT_EQ(dir.Read("history.kln"), "c\r\ne\r\n");
}

TEST_F(HistoryPanel, EntriesArriveWhileHiddenAndTicksAreNotKept) {
  Then([&] {
    Web().RaiseDownloadComplete();
    system.ProcessMessages();
    Tick(0);
    Show();
    EXPECT_EQ(History().back(), "http://home.test/");
    ui.ChooseMenu(Form1->Peer(), {"Konec"});
  });
  RunProgram();
  Then([&] {
    for (int i = 0; i < Form1->CheckListBox1->Items()->Count(); ++i) EXPECT_FALSE(Form1->CheckListBox1->Checked(i));
  });
  RunProgram();
}

}  // namespace
