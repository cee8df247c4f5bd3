#include "DesignTable.h"
#include "ProgramScenario.h"
#include "app/Unit2.h"

namespace {

using GoodbyeWindow = ProgramScenario;
using Frames = std::vector<std::pair<int, int>>;

TEST_F(GoodbyeWindow, IsBuiltAsDesignedAndItsClipsPlayOnlyWhileItIsShown) {
  dir.Write("edit.kln", "");
  dir.Write("history.kln", "");
  // The frames the two clips show after each of the next count frame times.
  auto play = [&](int count) {
    Frames frames;
    for (int i = 0; i < count; ++i) {
      system.AdvanceTime(100);
      frames.emplace_back(Peer(Form2->Animate2).clipFrame, Peer(Form2->Animate3).clipFrame);
    }
    return frames;
  };
  Then([&] {
    EXPECT_EQ(DescribeWindow(*Form2),
              "\"Nashledanou\"; fixed, no title-bar buttons; 415,429; outer 458x203, client 452x171; clBtnFace; "
              "font MS Sans Serif -11 clBlack");
    const std::string farewell = " font MS Sans Serif -19 clBlue bold transparent";
    const std::string clip = " 80x50 find-folder to 29 active";
    EXPECT_EQ(DescribeComponents(*Form2),
              (std::vector<std::string>{
                  "Label1 TLabel 8,8 433 wide, wrapped to its text \"Doufám že jste s mým programem spokojeni !\"" +
                      farewell,
                  "Image1 TImage 208,80 41x33 picture kalnor",
                  "Label2 TLabel 160,40 131 wide, wrapped to its text \"Nashledanou!\"" + farewell,
                  "Animate2 TAnimate 16,32" + clip,
                  "Animate3 TAnimate 352,32" + clip,
                  "BitBtn1 TBitBtn 192,136 75x25 \"OK\" kind OK default result 1 picture ok",
                  "XPManifest1 no visual part",
              }));

    // Never shown, its clips cost nothing: only the main window's clock runs.
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(system.RunningTimers(), 1);
    EXPECT_EQ(play(2), Frames(2, {1, 1}));

    Form2->Show();
    Frames expected;
    for (int frame : {2, 3, 4}) expected.emplace_back(frame, frame);
    EXPECT_EQ(play(3), expected);
    EXPECT_EQ(play(25).back(), std::make_pair(29, 29));
    EXPECT_EQ(play(2), (Frames{{1, 1}, {2, 2}})) << "after frame 29 the clips start again";

    ui.Click(Form2->BitBtn1->Peer());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(system.RunningTimers(), 1);
    EXPECT_EQ(play(2), Frames(2, {2, 2}));

    Form2->Show();
    Form2->Button1Click(nullptr);
    EXPECT_FALSE(Form2->Visible()) << "the handler bound to nothing closes it too";
  });
  RunProgram();
}

}  // namespace
