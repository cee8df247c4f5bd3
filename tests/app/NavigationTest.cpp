#include "ProgramScenario.h"
#include "rtl/CodePage.h"
#include "rtl/HResult.h"

namespace {

using Navigation = ProgramScenario;

TEST_F(Navigation, EachCommandRunsFromTheMenuTheToolBarAndItsUnboundHandler) {
  struct Command {
    std::string menuItem;
    TSpeedButton* TForm1::*button;
    void (TForm1::*unbound)(TObject*);
    std::string call;
  };
  const std::vector<Command> commands{
      {"&Zpět", &TForm1::SpeedButton2, &TForm1::Image6Click, "GoBack"},
      {"&Vpřed", &TForm1::SpeedButton3, &TForm1::Image3Click, "GoForward"},
      {"&Aktualizovat", &TForm1::SpeedButton8, &TForm1::Image7Click, "Refresh"},
      {"&Stop", &TForm1::SpeedButton4, &TForm1::Image8Click, "Stop"},
      {"&Domů", &TForm1::SpeedButton5, &TForm1::Image2Click, "GoHome"},
      {"&Hledat", &TForm1::SpeedButton9, &TForm1::Image9Click, "GoSearch"},
  };
  Then([&] {
    for (const Command& c : commands) {
      Web().calls.clear();
      ui.ChooseMenu(Form1->Peer(), {"&Mo\x9enosti", Utf8ToAnsi(c.menuItem)});
      ui.Click((Form1->*c.button)->Peer());
      (Form1->*c.unbound)(nullptr);
      EXPECT_EQ(Web().calls, std::vector<std::string>(3, c.call)) << c.call;
    }
  });
  RunProgram();
}

TEST_F(Navigation, AFailingCommandShowsTheWebControlsErrorWithAFullStop) {
  dir.Write("edit.kln", "");
  dir.Write("history.kln", "");
  Then([&] {
    ui.Click(Form1->SpeedButton2->Peer());  // no earlier page
    Web().failures["GoForward"] = {hresult::Fail, u"There is no next page.  "};
    ui.ChooseMenu(Form1->Peer(), {"&Mo\x9enosti", "&Vp\xf8" "ed"});
    Web().failures["Refresh"] = {static_cast<int32_t>(0x80041234u), u""};
    ui.PressKey(VK_F5);
  });
  RunProgram();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Unspecified error.", "There is no next page.",
                                                  "OLE error 80041234."}));
  for (const auto& box : system.MessageBoxes()) EXPECT_EQ(box.caption, "Kalnor internet 2005 - 2.0");
}

}  // namespace
