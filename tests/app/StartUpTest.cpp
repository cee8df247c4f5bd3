#include "ProgramScenario.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "forms/TApplication.h"
#include "rtl/AnsiLiteral.h"

namespace {

using StartUp = ProgramScenario;

TEST_F(StartUp, CreatesTheFiveWindowsInOrderAndShowsOnlyTheMainOne) {
  dir.Write("edit.kln", "a\r\nb\r\n");
  dir.Write("history.kln", "");
  Then([&] {
    EXPECT_EQ(Application->Title(), "Kalnor internet 2005 - 2.0");
    EXPECT_EQ(Application->MainForm(), Form1);
    ASSERT_EQ(Application->ComponentCount(), 5);
    const std::vector<TComponent*> windows{Form1, Form2, Form3, form4, Form5};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Application->Components(i), windows[i]) << "window " << i;
    EXPECT_TRUE(Form1->Visible());
    for (TForm* hidden : std::vector<TForm*>{Form2, Form3, form4, Form5}) EXPECT_FALSE(hidden->Visible());
    EXPECT_EQ(Form1->Caption(), "Kalnor Internet 2005 - 2.1");
    EXPECT_EQ(Form2->Caption(), "Nashledanou");
    EXPECT_EQ(Form3->Caption(), "Nápověda"_a);
    EXPECT_EQ(form4->Caption(), "Oblíbené"_a);
    EXPECT_EQ(Form5->Caption(), "Nastavení domovské stránky"_a);
    EXPECT_EQ(Form2->ClientWidth(), 452);
    EXPECT_EQ(form4->ClientHeight(), 575);
    EXPECT_EQ(Form5->Width(), 646);
    for (TForm* buffered : std::vector<TForm*>{Form1, Form3, form4, Form5}) EXPECT_TRUE(buffered->DoubleBuffered());
    EXPECT_FALSE(Form2->DoubleBuffered());
  });
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_EQ(Form1, nullptr) << "the windows are gone when the program ends";
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

TEST_F(StartUp, TheListsComeFromTheirFilesAndTheAddressBoxStartsEmpty) {
  dir.Write("edit.kln", "http://a.cz/\r\nseznam.cz\r\n");
  dir.Write("history.kln", "h1\r\nh2\nh3");
  Then([&] {
    const TStrings& addresses = *Form1->ComboBox1->Items();
    ASSERT_EQ(addresses.Count(), 2);
    EXPECT_EQ(addresses[0], "http://a.cz/");
    EXPECT_EQ(addresses[1], "seznam.cz");
    EXPECT_EQ(Form1->ComboBox1->Text(), "");
    EXPECT_EQ(Peer(Form1->CheckListBox1).items, (std::vector<std::string>{"h1", "h2", "h3"}));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(Form1->CheckListBox1->Checked(i));
  });
  RunProgram();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(StartUp, AMissingAddressListIsReportedAndTheHistoryIsStillLoaded) {
  dir.Write("history.kln", "kept\r\n");
  Then([&] {
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 1) << "the built-in entry stays";
    EXPECT_EQ(Form1->CheckListBox1->Items()->Count(), 1);
    EXPECT_TRUE(Form1->Visible());
  });
  EXPECT_EQ(RunProgram(), 0);
  ASSERT_EQ(system.MessageBoxes().size(), 1u);
  EXPECT_EQ(system.MessageBoxes()[0].text,
            "Cannot open file \"" + dir.File("edit.kln") + "\". No such file or directory.");
  EXPECT_EQ(system.MessageBoxes()[0].caption, "Kalnor internet 2005 - 2.0");
  EXPECT_EQ(dir.Read("history.kln"), "kept\r\n") << "closing at the end of the run is not a close";
}

TEST_F(StartUp, AMissingHistoryIsReportedAndTheHistoryStartsEmpty) {
  dir.Write("edit.kln", "x\r\n");
  Then([&] { EXPECT_EQ(Form1->CheckListBox1->Items()->Count(), 0); });
  RunProgram();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot open file \"" + dir.File("history.kln") +
                                                 "\". No such file or directory."});
}

TEST_F(StartUp, ListFilesOfArbitraryBytesLoadWithoutHarm) {
  std::string noise;
  unsigned seed = 12345;
  for (int i = 0; i < 200000; ++i) noise += static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);
  dir.Write("edit.kln", std::string(10'000'000, 'x'));
  dir.Write("history.kln", noise);
  Then([&] {
    EXPECT_EQ(Form1->ComboBox1->Items()->Get(0).size(), 10'000'000u);
    EXPECT_GT(Form1->CheckListBox1->Items()->Count(), 0);
  });
  EXPECT_EQ(RunProgram(), 0);
  EXPECT_TRUE(Messages().empty());
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
