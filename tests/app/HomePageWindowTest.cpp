#include "DesignTable.h"
#include "ProgramScenario.h"
#include "app/Unit5.h"

namespace {

using HomePageWindow = ProgramScenario;

TEST_F(HomePageWindow, IsBuiltAsDesignedAndShownModallyOnlyByAHandlerBoundToNothing) {
  dir.Write("edit.kln", "");
  dir.Write("history.kln", "");
  Step([&] {
    EXPECT_FALSE(Form5->Visible());
    EXPECT_EQ(DescribeWindow(*Form5),
              "\"Nastavení domovské stránky\"; sizeable, no title-bar buttons; 246,352; outer 646x122, "
              "client 638x88; clBtnFace; font MS Sans Serif -11 clBlack");
    EXPECT_EQ(DescribeComponents(*Form5), (std::vector<std::string>{
                                              "SpeedButton1 TSpeedButton 568,24 57x57 picture logo",
                                              "Edit1 TEdit 32,40 521x21 \"\" tab 0",
                                          }));
    Form1->Domovskstrnka1Click(nullptr);
  });
  Step([&] {
    EXPECT_TRUE(Form5->Visible());
    EXPECT_TRUE(Peer(Form5).modal);
    EXPECT_FALSE(Form1->Enabled());
    EXPECT_EQ(system.FocusedPeer(), Form5->Edit1->Peer());
    // Nothing in the window does anything, and nothing closes it.
    ui.Click(Form5->SpeedButton1->Peer());
    for (Word key : {VK_RETURN, VK_ESCAPE}) ui.PressKey(key);
    ui.CloseWindow(Form5->Peer());
    EXPECT_TRUE(Form5->Visible());
    EXPECT_EQ(Web().calls, std::vector<std::string>{"GoHome"});
    Form5->Close();
  });
  Step([&] {
    EXPECT_FALSE(Form5->Visible());
    EXPECT_TRUE(Form1->Enabled());
  });
  RunProgram();
}

}  // namespace
