#include "DesignTable.h"
#include "ProgramScenario.h"
#include "app/Unit2.h"

namespace {

using Strings = std::vector<std::string>;

class GoodbyeWindow : public ProgramScenario {
 protected:
  GoodbyeWindow() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "");
  }
  // The frames both clips show after each of the next count frame times.
  std::vector<std::pair<int, int>> Play(int count) {
    std::vector<std::pair<int, int>> frames;
    for (int i = 0; i < count; ++i) {
      system.AdvanceTime(100);
      frames.emplace_back(Peer(Form2->Animate2).clipFrame, Peer(Form2->Animate3).clipFrame);
    }
    return frames;
  }
};

TEST_F(GoodbyeWindow, IsBuiltAsDesignedAndNeverShown) {
  Then([&] {
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(DescribeWindow(*Form2),
              "\"Nashledanou\"; fixed, no title-bar buttons; 415,429; outer 458x203, client 452x171; clBtnFace; "
              "font MS Sans Serif -11 clBlack");
    const std::string farewell = " font MS Sans Serif -19 clBlue bold transparent";
    const std::string clip = " 80x50 find-folder to 29 active";
    EXPECT_EQ(DescribeComponents(*Form2),
              (Strings{
                  "Label1 TLabel 8,8 433 wide, wrapped to its text \"Doufám že jste s mým programem spokojeni !\"" +
                      farewell,
                  "Image1 TImage 208,80 41x33 picture kalnor",
                  "Label2 TLabel 160,40 131 wide, wrapped to its text \"Nashledanou!\"" + farewell,
                  "Animate2 TAnimate 16,32" + clip,
                  "Animate3 TAnimate 352,32" + clip,
                  "BitBtn1 TBitBtn 192,136 75x25 \"OK\" kind OK default result 1 picture ok",
                  "XPManifest1 no visual part",
              }));
  });
  RunProgram();
}

TEST_F(GoodbyeWindow, ItsClipsCostNothingUntilShownThenBothPlayTheirFramesOverAndOver) {
  Then([&] {
    EXPECT_EQ(system.RunningTimers(), 1) << "only the main window's clock";
    EXPECT_EQ(Play(3), (std::vector<std::pair<int, int>>(3, {1, 1})));

    Form2->Show();
    std::vector<std::pair<int, int>> expected;
    for (int frame = 2; frame <= 29; ++frame) expected.emplace_back(frame, frame);
    for (int frame = 1; frame <= 3; ++frame) expected.emplace_back(frame, frame);
    EXPECT_EQ(Play(31), expected);

    ui.Click(Form2->BitBtn1->Peer());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(system.RunningTimers(), 1);
    EXPECT_EQ(Play(2), (std::vector<std::pair<int, int>>(2, {3, 3})));

    Form2->Show();
    Form2->Button1Click(nullptr);
    EXPECT_FALSE(Form2->Visible()) << "the handler bound to nothing closes it too";
    EXPECT_TRUE(Form1->Visible());
  });
  RunProgram();
}

}  // namespace
