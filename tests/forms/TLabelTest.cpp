#include <gtest/gtest.h>

#include "forms/TLabel.h"
#include "forms/TestWindow.h"

namespace {

using Labels = FormsTest;

TEST_F(Labels, PointsBecomePixelsAtTheScreensResolutionRoundedToTheNearest) {
  struct Case {
    int pixelsPerInch, points, height;
  };
  for (const Case& c : std::vector<Case>{{96, 10, -13}, {96, 14, -19}, {96, 8, -11}, {96, 24, -32},
                                         {120, 10, -17}, {120, 14, -23}, {72, 9, -9}}) {
    env.System().SetPixelsPerInch(c.pixelsPerInch);
    TLabel* label = TComponent::Create<TLabel>(window, "Label");
    label->Font()->SetSize(c.points);
    EXPECT_EQ(label->Font()->Height(), c.height) << c.points << " pt at " << c.pixelsPerInch;
    EXPECT_EQ(label->Font()->Size(), c.points) << "read back at " << c.pixelsPerInch;
  }
}

TEST_F(Labels, ALabelFitsItselfToItsCaptionAndFontAndTellsThePeerEachChange) {
  TLabel* label = TComponent::Create<TLabel>(window, "Label");
  label->SetParent(window);
  label->SetBounds(8, 40, 100, 100);
  label->SetCaption("abcd");
  // The headless metric: half the pixel height per character, a quarter more per line.
  EXPECT_EQ(label->BoundsRect(), (platform::Rect{8, 40, 4 * 6, 11 + 2}));

  label->Font()->SetStyle({fsBold});
  label->Font()->SetHeight(-20);
  EXPECT_EQ(label->BoundsRect(), (platform::Rect{8, 40, 4 * 11, 25}));
  EXPECT_TRUE(PeerOf(label).font.bold);
  EXPECT_EQ(PeerOf(label).font.height, -20);
  EXPECT_EQ(PeerOf(label).bounds, label->BoundsRect());

  label->Font()->SetStyle({fsUnderline});
  EXPECT_EQ(label->Width(), 4 * 10) << "the style is replaced, not added to";
  EXPECT_TRUE(PeerOf(label).font.underline);
  EXPECT_FALSE(PeerOf(label).font.bold);

  label->SetAutoSize(false);
  label->SetCaption("a much longer caption");
  EXPECT_EQ(label->Width(), 4 * 10) << "without auto-size the bounds stay";

  label->SetAutoSize(true);
  label->SetWordWrap(true);
  label->SetWidth(60);
  label->SetCaption("one two three");
  EXPECT_EQ(label->BoundsRect(), (platform::Rect{8, 40, 60, 3 * 25})) << "wrapped, it keeps its width";
  EXPECT_TRUE(PeerOf(label).wordWrap);
}

TEST_F(Labels, AFontReportsOnlyRealChanges) {
  TLabel* label = TComponent::Create<TLabel>(window, "Label");
  int changes = 0;
  label->Font()->SetOnChange([&] { ++changes; });
  label->Font()->SetName("MS Sans Serif");
  label->Font()->SetHeight(-11);
  label->Font()->SetSize(8);
  label->Font()->SetStyle({});
  label->Font()->SetColor(clWindowText);
  EXPECT_EQ(changes, 0) << "the defaults again";
  label->Font()->SetStyle({fsBold});
  label->Font()->SetSize(10);
  label->Font()->SetCharset(EASTEUROPE_CHARSET);
  EXPECT_EQ(changes, 3);
}

TEST_F(Labels, TheMouseComingAndGoingAndAClickReachTheHandlers) {
  TLabel* label = TComponent::Create<TLabel>(window, "Label");
  label->SetParent(window);
  label->SetTransparent(true);
  std::string trace;
  label->OnMouseEnter = [&](TObject* sender) { trace += sender == label ? "enter " : "? "; };
  label->OnMouseLeave = [&](TObject*) { trace += "leave "; };
  label->OnClick = [&](TObject*) { trace += "click "; };
  ui.Hover(label->Peer(), true);
  ui.Click(label->Peer());
  ui.Hover(label->Peer(), false);
  EXPECT_EQ(trace, "enter click leave ");
  EXPECT_TRUE(PeerOf(label).transparent);
  EXPECT_EQ(PeerOf(label).color, clBtnFace) << "an opaque label would show its window's colour";
  EXPECT_EQ(env.System().FocusedPeer(), window->Box->Peer()) << "a label never takes the focus";
}

}  // namespace
