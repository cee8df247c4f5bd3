#include "ProgramScenario.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "rtl/AnsiLiteral.h"

namespace {

using StartUp = ProgramScenario;

TEST_F(StartUp, CreatesTheFiveWindowsInOrderAndShowsOnlyTheMainOne) {
  dir.Write("edit.kln", "");
  dir.Write("history.kln", "");
  Then([&] {
    EXPECT_EQ(Application->Title(), "Kalnor internet 2005 - 2.0");
    EXPECT_EQ(Application->MainForm(), Form1);
    ASSERT_EQ(Application->ComponentCount(), 5);
    const std::vector<TForm*> windows{Form1, Form2, Form3, form4, Form5};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(Application->Components(i), windows[i]) << "window " << i;
      EXPECT_EQ(windows[i]->Visible(), i == 0) << "window " << i;
      EXPECT_EQ(windows[i]->DoubleBuffered(), i != 1) << "window " << i;
    }
  });
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_EQ(Form1, nullptr) << "the windows are gone when the program ends";
  EXPECT_TRUE(Messages().empty());
}

TEST_F(StartUp, TheWindowSystemShowsTheDesignedCaptionsAndMenuBar) {
  Then([&] {
    std::vector<std::string> captions;
    for (TForm* w : std::vector<TForm*>{Form1, Form2, Form3, form4, Form5}) captions.push_back(Peer(w).caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Kalnor Internet 2005 - 2.1", "Nashledanou", "Nápověda"_a,
                                                  "Oblíbené"_a, "Nastavení domovské stránky"_a}));
    std::vector<std::string> bar;
    for (const auto& entry : Peer(Form1).menu) bar.push_back(entry.caption + "|" + entry.shortcutText);
    EXPECT_EQ(bar, (std::vector<std::string>{"&Soubor|", "&Možnosti|"_a, "Nastavení webu|"_a, "Zajímavé weby|"_a,
                                             "&Nápověda|F1"_a, "Konec|"}));
    std::vector<std::string> options;
    for (const auto& entry : Peer(Form1).menu[1].children) options.push_back(entry.caption + "|" + entry.shortcutText);
    EXPECT_EQ(options, (std::vector<std::string>{"&Zpět|"_a, "&Vpřed|"_a, "&Aktualizovat|F5", "&Stop|Del",
                                                 "&Domů|"_a, "&Oblíbené|"_a, "&Hledat|"}));
  });
  RunProgram();
}

// The bars are windowed controls: their face covers the ramp behind them;
// the web control shows white until a page has painted.
TEST_F(StartUp, TheBarsAndTheHistoryPanelShowTheControlFace) {
  Then([&] {
    for (const TWinControl* bar : std::vector<TWinControl*>{Form1->ControlBar1, Form1->ToolBar3, Form1->ToolBar1,
                                                            Form1->StatusBar1, Form1->TabControl1})
      EXPECT_EQ(Peer(bar).color, clBtnFace) << bar->Name();
    EXPECT_EQ(Peer(Form1->WebBrowser1).color, clWhite);
  });
  RunProgram();
}

TEST_F(StartUp, TheMainWindowGoesHomeOnceAndEndsUpOverTheWorkArea) {
  Then([&] {
    EXPECT_EQ(Web().calls, std::vector<std::string>{"GoHome"});
    EXPECT_EQ(Form1->ActiveControl(), Form1->WebBrowser1);
    EXPECT_EQ(Form1->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));
    EXPECT_EQ(Form1->ClientWidth(), 1272);
    // The aligned children follow the client area.
    EXPECT_EQ(Form1->ControlBar1->BoundsRect(), (platform::Rect{0, 0, 1272, 35}));
    EXPECT_EQ(Form1->StatusBar1->BoundsRect(), (platform::Rect{0, 940 - 19, 1272, 19}));
    EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{0, 35, 1272, 940 - 19 - 35}));

    // Another program, then back: no second trip home.
    ui.ActivateWindow(Form1->Peer());
    EXPECT_EQ(Web().calls.size(), 1u);
  });
  RunProgram();
}

// A window manager's frame of its own: the web control and the status bar
// reach the right and bottom edges of the client area the window really got,
// at start and after the user resizes the window either way.
TEST_F(StartUp, UnderAWindowManagerTheChildrenFillTheClientAreaTheWindowGot) {
  system.SetWindowManagerFrame({1, 20, 1, 5});
  Then([&] {
    for (const platform::Rect bounds : {platform::Rect{0, 0, 1280, 994}, platform::Rect{40, 30, 800, 600},
                                        platform::Rect{0, 0, 1400, 900}}) {
      SCOPED_TRACE(bounds.width);
      if (bounds.left != 0 || bounds.width != 1280) ui.MoveResize(Form1->Peer(), bounds);
      const int width = bounds.width - 2;
      const int height = bounds.height - 25 - 20;
      EXPECT_EQ(Form1->BoundsRect(), bounds);
      EXPECT_EQ(Form1->ClientWidth(), width);
      EXPECT_EQ(Form1->ClientHeight(), height);
      EXPECT_EQ(Form1->StatusBar1->BoundsRect(), (platform::Rect{0, height - 19, width, 19}));
      EXPECT_EQ(Form1->WebBrowser1->BoundsRect(), (platform::Rect{0, 35, width, height - 19 - 35}));
    }
  });
  RunProgram();
}

TEST_F(StartUp, AMissingListIsReportedWithItsFullPathAndTheOtherListIsStillLoaded) {
  const std::string noEdit = FileError("Cannot open file", "edit.kln", "No such file or directory");
  dir.Write("history.kln", "kept\r\n");
  Then([&] {
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 1) << "the built-in entry stays";
    EXPECT_EQ(Form1->CheckListBox1->Items()->Count(), 1);
    EXPECT_TRUE(Form1->Visible());
  });
  EXPECT_EQ(RunProgram(), 0);
  ASSERT_EQ(system.MessageBoxes().size(), 1u);
  EXPECT_EQ(system.MessageBoxes()[0].text, noEdit);
  EXPECT_EQ(system.MessageBoxes()[0].caption, "Kalnor internet 2005 - 2.0");
  EXPECT_EQ(dir.Read("history.kln"), "kept\r\n") << "closing at the end of the run is not a close";

  std::filesystem::remove(dir.File("history.kln"));
  dir.Write("edit.kln", "x\r\n");
  Then([&] {
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 1);
    EXPECT_EQ(Form1->CheckListBox1->Items()->Count(), 0);
  });
  RunProgram();
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            noEdit, FileError("Cannot open file", "history.kln", "No such file or directory")}));
}

TEST_F(StartUp, AMaximisedStartMaximisesTheMainWindowAfterItsAlignment) {
  system.SetStartShow(platform::StartShowState::Maximized);
  Then([&] {
    EXPECT_EQ(Form1->WindowState(), wsMaximized);
    EXPECT_EQ(Form1->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));
  });
  RunProgram();
}

}  // namespace
