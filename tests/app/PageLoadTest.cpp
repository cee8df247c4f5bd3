#include "ProgramScenario.h"
#include "rtl/AnsiLiteral.h"
#include "rtl/HResult.h"

namespace {

class PageLoad : public ProgramScenario {
 protected:
  PageLoad() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "old\r\n");
  }
  void Deliver() { system.ProcessMessages(); }
  const std::string& Panel0() { return Peer(Form1->StatusBar1).panelTexts.at(0); }
  std::vector<std::string> History() { return Peer(Form1->CheckListBox1).items; }
};

TEST_F(PageLoad, BeginAndCompleteShowInTheCircleAndTheStatusBarAndCompleteKeepsTheAddress) {
  Then([&] {
    EXPECT_EQ(Peer(Form1->Shape1).brush, clWhite);
    EXPECT_EQ(Panel0(), "");
    Web().RaiseDownloadBegin();
    Deliver();
    EXPECT_EQ(Peer(Form1->Shape1).brush, clRed);
    EXPECT_EQ(Panel0(), "Stránka se načítá..."_a);
    EXPECT_EQ(History(), std::vector<std::string>{"old"}) << "begin adds nothing";

    Web().RaiseDownloadComplete();
    Web().RaiseDownloadComplete();
    Deliver();
    EXPECT_EQ(Peer(Form1->Shape1).brush, clGreen);
    EXPECT_EQ(Panel0(), "http://home.test/");
    EXPECT_EQ(History(), (std::vector<std::string>{"old", "http://home.test/", "http://home.test/"}));
    EXPECT_EQ(Peer(Form1->StatusBar1).panelTexts.at(1), "");
    EXPECT_EQ(Form1->Caption(), "Kalnor Internet 2005 - 2.1") << "downloads leave the caption";

    Web().locationOverridden = true;
    for (const auto& [location, shown] : {std::pair{u"", ""}, {u"http://例え.jp/", "http://??.jp/"}}) {
      Web().location = location;
      Web().RaiseDownloadComplete();
      Deliver();
      EXPECT_EQ(Panel0(), shown);
      EXPECT_EQ(History().back(), shown);
    }

    // The caption is the title with the suffix; a title leaves the circle.
    Web().RaiseTitleChange(u"Seznam ★ Najdu tam, co neznám");
    Deliver();
    EXPECT_EQ(Form1->Caption(), "Seznam ? Najdu tam, co neznám - Kalnor internet 2005 2.1"_a);
    EXPECT_EQ(Peer(Form1).caption, Form1->Caption());
    Web().RaiseTitleChange(u"");
    Deliver();
    EXPECT_EQ(Form1->Caption(), " - Kalnor internet 2005 2.1");
    EXPECT_EQ(Peer(Form1->Shape1).brush, clGreen);
  });
  RunProgram();
}

TEST_F(PageLoad, AFailedAddressReadEndsTheHandlerAfterTheCircleTurnedGreen) {
  Then([&] {
    Web().RaiseDownloadBegin();
    Web().failures["LocationURL"] = {hresult::Fail, u"No document."};
    Web().RaiseDownloadComplete();
    Deliver();
    EXPECT_EQ(Peer(Form1->Shape1).brush, clGreen);
    EXPECT_EQ(Panel0(), "Stránka se načítá..."_a);
    EXPECT_EQ(History(), std::vector<std::string>{"old"});
    Web().failures.clear();
    Web().RaiseDownloadComplete();
    Deliver();
    EXPECT_EQ(History().size(), 2u) << "the control carries on";
  });
  RunProgram();
  EXPECT_EQ(Messages(), std::vector<std::string>{"No document."});
}

TEST_F(PageLoad, TheClockTextIsWrittenEverySecondButNeverShown) {
  system.Clock().now = {9, 5, 7, 0};
  Then([&] {
    Web().RaiseDownloadBegin();
    Deliver();
    system.AdvanceTime(999);
    EXPECT_EQ(Peer(Form1->StatusBar1).simpleText, "");
    system.AdvanceTime(1);
    EXPECT_EQ(Peer(Form1->StatusBar1).simpleText, "9:05:07");
    EXPECT_FALSE(Form1->StatusBar1->SimplePanel());
    system.Clock().now = {21, 5, 8, 0};
    system.AdvanceTime(1000);
    EXPECT_EQ(Peer(Form1->StatusBar1).simpleText, "21:05:08");
    system.Clock().now = {0, 0, 5, 0};
    system.AdvanceTime(1000);
    EXPECT_EQ(Peer(Form1->StatusBar1).simpleText, "0:00:05");
    EXPECT_EQ(Panel0(), "Stránka se načítá..."_a) << "the panels keep their own texts";
  });
  RunProgram();
}

TEST_F(PageLoad, TheTimeSeparatorComesFromTheLocaleWhenItIsOneCharacter) {
  for (const auto& [separator, expected] : std::vector<std::pair<std::optional<std::string>, std::string>>{
           {".", "9.05.07"}, {"", "90507"}, {"::", "9:05:07"}, {std::nullopt, "9:05:07"}}) {
    system.Clock().separator = separator;
    system.Clock().now = {9, 5, 7, 0};
    std::string shown;
    Then([&] {
      system.AdvanceTime(1000);
      shown = Peer(Form1->StatusBar1).simpleText;
    });
    RunProgram();
    EXPECT_EQ(shown, expected);
  }
}

}  // namespace
