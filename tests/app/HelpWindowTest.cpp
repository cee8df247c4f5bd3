#include <tuple>

#include "DesignTable.h"
#include "ProgramScenario.h"
#include "app/Author.h"
#include "app/Unit3.h"
#include "rtl/AnsiLiteral.h"

namespace {

using Strings = std::vector<std::string>;

// A line of the help text by how it opens: the blanks before it, a rule of
// hyphens by its length, otherwise its first word.
std::string Opening(const AnsiString& line) {
  if (line.find_first_not_of('-') == std::string::npos) return "-" + std::to_string(line.size());
  const size_t blanks = line.find_first_not_of(' ');
  const std::string text = AnsiToUtf8(line.substr(blanks));
  return (blanks > 0 ? std::to_string(blanks) + " " : std::string()) + text.substr(0, text.find(' '));
}

class HelpWindow : public ProgramScenario {
 protected:
  HelpWindow() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "");
  }
  // Opens the window with F1; inside runs while it is on screen and must close it.
  void OpenAnd(std::function<void()> inside) {
    Step([this] { ui.PressKey(VK_F1); });
    Step(std::move(inside));
  }
  // How the two links look: "bold 10", "underline 14" or "plain 10" each.
  static std::string Looks() {
    std::string looks;
    for (const TLabel* link : {Form3->Label1, Form3->Label2}) {
      const TFontStyles style = link->Font()->Style();
      looks += std::string(looks.empty() ? "" : ", ") +
               (style.Contains(fsBold) ? "bold " : style.Contains(fsUnderline) ? "underline " : "plain ") +
               std::to_string(link->Font()->Size());
    }
    return looks;
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
    Strings openings;
    for (int i = 0; i < Form3->Memo1->Lines()->Count(); ++i) openings.push_back(Opening((*Form3->Memo1->Lines())[i]));
    EXPECT_EQ(openings, (Strings{"Verze", "Autor", "©", "-62", "Vylepšení", "54 Načítání", "82 kolečko", "82 zeleně",
                                 "54 Tisk", "54 Nastavení", "54 A", "-61", "Program", "800x600!", "-61", "F5", "-60",
                                 "Připomínky", kAuthorMail, "-59", "Aktualizace"}));
    EXPECT_EQ((*Form3->Memo1->Lines())[20], "Aktualizace a nové programy najdete na "_a + kAuthorSiteUrl);
  });
  RunProgram();
}

TEST_F(HelpWindow, F1AndTheMenuOpenItModallyAndOnlyOkClosesIt) {
  for (const std::function<void()>& open : std::vector<std::function<void()>>{
           [&] { ui.PressKey(VK_F1); }, [&] { ui.ChooseMenu(Form1->Peer(), {"&Nápověda"_a}); }}) {
    Step(open);
    Step([&] {
      EXPECT_TRUE(Peer(Form3).modal);
      EXPECT_FALSE(Form1->Enabled());
      EXPECT_EQ(Peer(Form3).bounds.left, 422);
      EXPECT_EQ(Peer(Form3).bounds.top, 304);
      EXPECT_EQ(system.FocusedPeer(), Form3->BitBtn1->Peer()) << "the only control that takes the focus";
      // Esc, the window manager's close and the main window's shortcuts do nothing.
      for (Word key : {VK_ESCAPE, VK_F1, VK_F5, VK_DELETE}) ui.PressKey(key);
      ui.CloseWindow(Form3->Peer());
      EXPECT_EQ(Form3->ModalResult(), mrNone);
      ui.PressKey(VK_RETURN);
    });
    Step([&] {
      EXPECT_FALSE(Form3->Visible());
      EXPECT_TRUE(Form1->Enabled());
      EXPECT_EQ(Web().calls, Strings{"GoHome"}) << "nothing reached the page, and no trip home on return";
    });
  }
  RunProgram();
}

TEST_F(HelpWindow, TheSiteLinkLoadsTheAuthorsSiteBehindTheWindowAndThePageStays) {
  const std::string navigation = std::string("Navigate ") + kAuthorSiteUrl;
  OpenAnd([&] {
    ui.Click(Form3->Label2->Peer());
    EXPECT_EQ(Web().calls, (Strings{"GoHome", navigation}));
    EXPECT_TRUE(Peer(Form3).modal) << "the window stays open and modal";
    Web().failures["Navigate"] = {-2147467259, u"Unspecified error"};
    ui.Click(Form3->Label2->Peer());
    EXPECT_EQ(Messages(), Strings{"Unspecified error."});
    EXPECT_TRUE(Form3->Visible());
    ui.Click(Form3->BitBtn1->Peer());
  });
  Step([&] {
    EXPECT_EQ(Web().CurrentPage(), AnsiToWide(kAuthorSiteUrl));
    EXPECT_EQ(Web().calls.back(), navigation) << "no trip home on return";
  });
  RunProgram();
}

TEST_F(HelpWindow, TheMailLinkHandsTheAddressToTheShellEachTimeWithTheWindowAsOwner) {
  OpenAnd([&] {
    ui.Click(Form3->Label1->Peer());
    system.Shell().SetAvailable(false);
    ui.Click(Form3->Label1->Peer());
    ASSERT_EQ(system.Shell().Executions().size(), 2u);
    for (const auto& e : system.Shell().Executions())
      EXPECT_EQ(std::tie(e.owner, e.verb, e.file, e.parameters, e.directory, e.show),
                std::make_tuple(Form3->Peer(), "open", std::string("mailto:") + kAuthorMail, "", "", 5));
    EXPECT_TRUE(Messages().empty()) << "no mail program: no message of the program's own";
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
}

TEST_F(HelpWindow, ALinkGrowsUnderlinedUnderTheMouseAndStaysPlainOnceLeftForLaterOpenings) {
  int designedWidth = 0;
  OpenAnd([&] {
    EXPECT_EQ(Looks(), "bold 10, bold 10");
    designedWidth = Form3->Label2->Width();
    ui.Hover(Form3->Label2->Peer(), true);
    EXPECT_EQ(Looks(), "bold 10, underline 14");
    EXPECT_GT(Form3->Label2->Width(), designedWidth);
    EXPECT_EQ(Peer(Form3->Label2).font.height, -19);
    ui.Hover(Form3->Label2->Peer(), false);
    EXPECT_EQ(Looks(), "bold 10, plain 10");
    EXPECT_LT(Form3->Label2->Width(), designedWidth) << "plain is narrower than bold";
    ui.PressKey(VK_RETURN);
  });
  OpenAnd([&] {
    EXPECT_EQ(Looks(), "bold 10, plain 10") << "the window is not made anew";
    ui.Hover(Form3->Label1->Peer(), true);
    EXPECT_EQ(Looks(), "underline 14, plain 10");
    ui.Hover(Form3->Label1->Peer(), false);
    EXPECT_EQ(Looks(), "plain 10, plain 10");
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
}

}  // namespace
