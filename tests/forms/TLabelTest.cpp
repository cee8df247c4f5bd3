#include <gtest/gtest.h>

#include "forms/TLabel.h"
#include "forms/TestWindow.h"

namespace {

using Labels = FormsTest;

// A window whose description gives a label its caption and font one by one.
class TLabelWindow : public TForm {
 public:
  explicit TLabelWindow(TComponent* owner) : TForm(owner) {
    label = TComponent::Create<TLabel>(this, "Label");
    label->SetParent(this);
    label->SetBounds(8, 40, 100, 100);
    label->SetCaption("abcd");
    label->Font()->SetHeight(-20);
    label->Font()->SetStyle({fsBold});
    boundsWhileBuilt = label->BoundsRect();
  }

  TLabel* label;
  platform::Rect boundsWhileBuilt;
};

TEST_F(Labels, PointsBecomePixelsAtTheScreensResolutionRoundedToTheNearest) {
  struct Case {
    int pixelsPerInch, points, height;
  };
  for (const Case& c : std::vector<Case>{{96, 10, -13}, {96, 14, -19}, {96, 8, -11}, {120, 10, -17}, {120, 14, -23}}) {
    env.System().SetPixelsPerInch(c.pixelsPerInch);
    TLabel* label = TComponent::Create<TLabel>(window, "Label");
    label->Font()->SetSize(c.points);
    EXPECT_EQ(label->Font()->Height(), c.height) << c.points << " pt at " << c.pixelsPerInch;
    EXPECT_EQ(label->Font()->Size(), c.points) << "read back at " << c.pixelsPerInch;
  }
}

TEST_F(Labels, ALabelFitsItselfToItsCaptionAndFontAndReportsTheMouse) {
  TLabel* label = TComponent::Create<TLabel>(window, "Label");
  label->SetParent(window);
  label->SetBounds(8, 40, 100, 100);
  label->SetCaption("abcd");
  // The headless metric: half the pixel height per character, a quarter more per line.
  EXPECT_EQ(label->BoundsRect(), (platform::Rect{8, 40, 4 * 6, 11 + 2}));
  label->Font()->SetStyle({fsBold});
  label->Font()->SetHeight(-20);
  EXPECT_EQ(label->BoundsRect(), (platform::Rect{8, 40, 4 * 11, 25}));
  EXPECT_EQ(PeerOf(label).bounds, label->BoundsRect());
  EXPECT_TRUE(PeerOf(label).font.bold);

  label->SetWordWrap(true);
  label->SetWidth(60);
  label->SetCaption("one two three");
  EXPECT_EQ(label->BoundsRect(), (platform::Rect{8, 40, 60, 3 * 25})) << "wrapped, it keeps its width";
  label->SetAutoSize(false);
  label->SetCaption("one");
  EXPECT_EQ(label->Height(), 3 * 25) << "without auto-size the bounds stay";

  std::string trace;
  label->OnMouseEnter = [&](TObject*) { trace += "enter "; };
  label->OnMouseLeave = [&](TObject*) { trace += "leave"; };
  ui.Hover(label->Peer(), true);
  ui.Hover(label->Peer(), false);
  EXPECT_EQ(trace, "enter leave");
}

TEST_F(Labels, ALabelInAWindowsDescriptionFitsItselfOnceTheWindowIsBuilt) {
  TLabelWindow* built = nullptr;
  env.App().CreateForm(built);
  EXPECT_EQ(built->boundsWhileBuilt, (platform::Rect{8, 40, 100, 100})) << "not measured half set";
  EXPECT_EQ(built->label->BoundsRect(), (platform::Rect{8, 40, 4 * 11, 25}));
  EXPECT_EQ(PeerOf(built->label).bounds, built->label->BoundsRect());
  built->label->SetCaption("ab");
  EXPECT_EQ(built->label->Width(), 2 * 11) << "and at once from then on";
}

}  // namespace
