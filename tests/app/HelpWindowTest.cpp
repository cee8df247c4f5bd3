#include "DesignTable.h"
#include "ProgramScenario.h"
#include "app/Author.h"
#include "app/Unit3.h"
#include "rtl/AnsiLiteral.h"

namespace {

using Strings = std::vector<std::string>;

class HelpWindow : public ProgramScenario {
 protected:
  HelpWindow() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "");
  }
  // Opens the window with F1; inside runs while it is on screen and must close it.
  void OpenAnd(std::function<void()> inside) {
    Step([this] {
      ui.PressKey(VK_F1);
      EXPECT_FALSE(Form3->Visible());
    });
    Step(std::move(inside));
  }
  // "bold 10", "underline 14", "plain 10": how a link looks.
  static std::string Look(TLabel* link) {
    const TFontStyles style = link->Font()->Style();
    return std::string(style.Contains(fsBold) ? "bold " : style.Contains(fsUnderline) ? "underline " : "plain ") +
           std::to_string(link->Font()->Size());
  }
};

TEST_F(HelpWindow, IsBuiltAsDesigned) {
  Then([&] {
    EXPECT_FALSE(Form3->Visible());
    EXPECT_EQ(DescribeWindow(*Form3),
              "\"Nápověda\"; fixed, no title-bar buttons; 422,304; outer 475x461, client 469x429; clBtnFace; "
              "font MS Sans Serif -11 clBlack");
    const std::string link = " font MS Sans Serif -13 clBlue bold transparent";
    const std::string logo = " 41x41 picture logo";
    EXPECT_EQ(DescribeComponents(*Form3),
              (Strings{
                  "Label1 TLabel 8,400 sized to its text \"tomas.vrana@example.com\"" + link + " hint \"Napiš mi!\" hand",
                  "Label2 TLabel 224,400 sized to its text \"http://kalnor.wz.cz/\"" + link +
                      " hint \"Navštiv mou stránku\" hand",
                  "Image1 TImage 0,80" + logo,
                  "Image2 TImage 424,280" + logo,
                  "Image3 TImage 0,272" + logo,
                  "Image4 TImage 424,80" + logo,
                  "Label3 TLabel 32,16 sized to its text \"Kalnor internet 2005 - 2.1\" "
                  "font MS Sans Serif -32 clYellow bold transparent",
                  "Memo1 TMemo 48,64 369x297 21 lines clWhite font MS Sans Serif -11 clBlack east-european wrapped "
                  "disabled tab 0",
                  "BitBtn1 TBitBtn 192,368 75x25 \"OK\" kind OK default result 1 picture ok hand tab 1",
                  "XPManifest1 no visual part",
              }));
  });
  RunProgram();
}

TEST_F(HelpWindow, TheHelpTextHasItsTwentyOneLines) {
  Then([&] {
    const TStrings& lines = *Form3->Memo1->Lines();
    ASSERT_EQ(lines.Count(), 21);
    // Rules of hyphens part the text; some lines stand in columns of blanks.
    const std::map<int, std::string> expected{
        {1, "Verze : 2005 2.1"},
        {2, "Autor : "_a + Utf8ToAnsi(kAuthorName)},
        {4, std::string(62, '-')},
        {5, "Vylepšení o proti verzi 2005 1.0 : Historie"_a},
        {6, std::string(54, ' ') + "Načítání stránky (červeně vybarvené "_a},
        {7, std::string(82, ' ') + "kolečko - načteno,"_a},
        {8, std::string(82, ' ') + "zeleně - načítá)"_a},
        {9, std::string(54, ' ') + "Tisk"},
        {10, std::string(54, ' ') + "Nastavení"_a},
        {11, std::string(54, ' ') + "A další..."_a},
        {12, std::string(61, '-')},
        {13, "Program je doporučen pro rozlišení 1280x1024 ,ale byl testován i na "_a},
        {14, "800x600!"},
        {15, std::string(61, '-')},
        {16, "F5 - Aktualizace stránky"_a},
        {17, std::string(60, '-')},
        {18, "Připomínky pište na emailovou adresu "_a},
        {19, kAuthorMail},
        {20, std::string(59, '-')},
        {21, "Aktualizace a nové programy najdete na "_a + kAuthorSiteUrl},
    };
    for (const auto& [number, text] : expected) EXPECT_EQ(lines[number - 1], text) << "line " << number;
    EXPECT_NE(lines[2].find("2004 - 2005"), std::string::npos) << "the rights notice names its years";
  });
  RunProgram();
}

TEST_F(HelpWindow, F1AndTheMenuOpenItModallyAndOnlyOkClosesIt) {
  const std::vector<std::function<void()>> openings{
      [&] { ui.PressKey(VK_F1); },
      [&] { ui.ChooseMenu(Form1->Peer(), {"&Nápověda"_a}); },
  };
  for (const auto& open : openings) {
    Step(open);
    Step([&] {
      EXPECT_TRUE(Form3->Visible());
      EXPECT_TRUE(Peer(Form3).modal);
      EXPECT_FALSE(Form1->Enabled());
      EXPECT_EQ(Peer(Form3).bounds.left, 422);
      EXPECT_EQ(Peer(Form3).bounds.top, 304);
      EXPECT_EQ(system.FocusedPeer(), Form3->BitBtn1->Peer()) << "the only control that takes the focus";

      // Esc, the window manager's close and the main window's shortcuts do nothing.
      for (Word key : {VK_ESCAPE, VK_F1, VK_F5, VK_DELETE}) ui.PressKey(key);
      ui.CloseWindow(Form3->Peer());
      EXPECT_TRUE(Form3->Visible());
      EXPECT_EQ(Form3->ModalResult(), mrNone);
      EXPECT_EQ(Web().calls, Strings{"GoHome"});
      ui.PressKey(VK_RETURN);
    });
    Step([&] {
      EXPECT_FALSE(Form3->Visible());
      EXPECT_TRUE(Form1->Enabled());
      EXPECT_EQ(Form3->ModalResult(), mrOk);
      EXPECT_EQ(Web().calls, Strings{"GoHome"}) << "coming back does not go home again";
    });
  }
  RunProgram();
}

TEST_F(HelpWindow, TheSiteLinkLoadsTheAuthorsSiteBehindTheWindowAndThePageStays) {
  OpenAnd([&] {
    ui.Click(Form3->Label2->Peer());
    EXPECT_EQ(Web().calls, (Strings{"GoHome", std::string("Navigate ") + kAuthorSiteUrl}));
    EXPECT_TRUE(Form3->Visible()) << "the window stays open and modal";
    EXPECT_FALSE(Form1->Enabled());

    Web().failures["Navigate"] = {-2147467259, u"Unspecified error"};
    ui.Click(Form3->Label2->Peer());
    EXPECT_EQ(Messages(), Strings{"Unspecified error."});
    EXPECT_TRUE(Form3->Visible());
    ui.Click(Form3->BitBtn1->Peer());
  });
  Step([&] {
    EXPECT_EQ(Web().CurrentPage(), AnsiToWide(kAuthorSiteUrl));
    EXPECT_EQ(Web().calls.back(), std::string("Navigate ") + kAuthorSiteUrl) << "no trip home on return";
  });
  RunProgram();
}

TEST_F(HelpWindow, TheMailLinkHandsTheAddressToTheShellEachTimeWithTheWindowAsOwner) {
  OpenAnd([&] {
    ui.Click(Form3->Label1->Peer());
    system.Shell().SetAvailable(false);
    ui.Click(Form3->Label1->Peer());
    const auto& executions = system.Shell().Executions();
    ASSERT_EQ(executions.size(), 2u);
    for (const auto& e : executions) {
      EXPECT_EQ(e.owner, Form3->Peer());
      EXPECT_EQ(e.verb, "open");
      EXPECT_EQ(e.file, std::string("mailto:") + kAuthorMail);
      EXPECT_EQ(e.parameters, "");
      EXPECT_EQ(e.directory, "");
      EXPECT_EQ(e.show, 5);
    }
    EXPECT_TRUE(Messages().empty()) << "no mail program: no message of the program's own";
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
}

TEST_F(HelpWindow, ALinkGrowsUnderlinedUnderTheMouseAndStaysPlainOnceLeftForLaterOpenings) {
  struct Move {
    bool site;     // the site link, or else the mail link
    bool inside;
    std::string mail, siteLook;
  };
  const std::vector<Move> moves{
      {true, true, "bold 10", "underline 14"},
      {true, false, "bold 10", "plain 10"},
      {false, true, "underline 14", "plain 10"},
      {false, false, "plain 10", "plain 10"},
      {true, true, "plain 10", "underline 14"},
  };
  int designedWidth = 0;
  OpenAnd([&] {
    EXPECT_EQ(Look(Form3->Label1) + ", " + Look(Form3->Label2), "bold 10, bold 10");
    designedWidth = Form3->Label2->Width();
    for (size_t i = 0; i < 2; ++i) {
      ui.Hover(Form3->Label2->Peer(), moves[i].inside);
      EXPECT_EQ(Look(Form3->Label1) + ", " + Look(Form3->Label2), moves[i].mail + ", " + moves[i].siteLook) << i;
    }
    EXPECT_LT(Form3->Label2->Width(), designedWidth) << "plain is narrower than bold";
    EXPECT_EQ(Peer(Form3->Label2).font.height, -13);
    ui.PressKey(VK_RETURN);
  });
  OpenAnd([&] {
    EXPECT_EQ(Look(Form3->Label2), "plain 10") << "the window is not made anew";
    for (size_t i = 2; i < moves.size(); ++i) {
      ui.Hover((moves[i].site ? Form3->Label2 : Form3->Label1)->Peer(), moves[i].inside);
      EXPECT_EQ(Look(Form3->Label1) + ", " + Look(Form3->Label2), moves[i].mail + ", " + moves[i].siteLook) << i;
    }
    EXPECT_GT(Form3->Label2->Width(), designedWidth);
    EXPECT_GT(Form3->Label2->Height(), Form3->Label1->Height());
    EXPECT_EQ(Peer(Form3->Label2).font.height, -19);
    EXPECT_TRUE(Peer(Form3->Label2).font.underline);
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
}

}  // namespace
