// The colour ramps of the five windows, read from the headless screen.
#include <gtest/gtest.h>

#include <vector>

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "rtl/ColorRamp.h"
#include "support/HeadlessApp.h"
#include "support/TempDir.h"

namespace {

constexpr TColor Rgb(TColor r, TColor g, TColor b) { return r | g << 8 | b << 16; }

// Every fill of a paint, in order.
class RecordingCanvas : public platform::ICanvas {
 public:
  struct Fill {
    platform::Rect rect;
    platform::Color color;
    bool operator==(const Fill&) const = default;
  };
  void FillRect(const platform::Rect& rect, platform::Color color) override { fills.push_back({rect, color}); }
  std::vector<Fill> fills;
};

class Gradient : public ::testing::Test {
 protected:
  Gradient() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "");
    env.App().CreateForm(Form1);
    env.App().CreateForm(Form2);
    env.App().CreateForm(Form3);
    env.App().CreateForm(form4);
    env.App().CreateForm(Form5);
  }
  ~Gradient() override {
    env.App().DestroyWindows();
    Form1 = nullptr, Form2 = nullptr, Form3 = nullptr, form4 = nullptr, Form5 = nullptr;
  }

  // The ramp as the window's screen should show it: stripe x in column x of every row.
  static void ExpectWholeRamp(TForm* form, TColor start, TColor end) {
    ColorRamp::Steps steps{};
    for (int channel = 0; channel < 3; ++channel) steps[channel] = ColorRamp::Step(start, end, channel, form->Width());
    const ColorRamp ramp(start, steps);
    const auto& screen = PeerOf(form);
    ASSERT_EQ(screen.pixels.size(), static_cast<size_t>(form->ClientWidth()) * form->ClientHeight());
    for (int y = 0; y < form->ClientHeight(); ++y)
      for (int x = 0; x < form->ClientWidth(); ++x)
        ASSERT_EQ(screen.PixelAt(x, y), ramp.Stripe(x)) << "at " << x << ", " << y << " of width " << form->Width();
  }

  // Paints the window once on a recording canvas, as the window system would.
  static std::vector<RecordingCanvas::Fill> RecordPaint(TForm* form) {
    RecordingCanvas canvas;
    PeerOf(form).Report(platform::Paint{canvas});
    return canvas.fills;
  }

  TempDir dir;
  CurrentDirGuard inFolder{dir.Path()};
  HeadlessApp env;
  platform::headless::HeadlessWindowSystem& system = env.System();
};

TEST_F(Gradient, ResizingRepaintsTheWholeRampBeforeTheResizeReturns) {
  struct Window {
    TForm* form;
    TColor start, end;
  };
  for (const Window& w : {Window{Form1, clWhite, clBlue}, Window{Form2, clRed, clGreen}, Window{Form3, clWhite, clRed},
                          Window{form4, clBlue, clYellow}}) {
    SCOPED_TRACE(w.form->Caption());
    w.form->SetWidth(517);
    ExpectWholeRamp(w.form, w.start, w.end);
    const platform::Rect bounds = w.form->BoundsRect();
    env.Ui().MoveResize(w.form->Peer(), {bounds.left, bounds.top, 333, bounds.height + 40});
    ExpectWholeRamp(w.form, w.start, w.end);
  }
}

TEST_F(Gradient, TheWindowsShowTheRoundedStripes) {
  auto row = [](TForm* form, int y, int from, int to) {
    std::vector<TColor> colors;
    for (int x = from; x <= to; ++x) colors.push_back(PeerOf(form).PixelAt(x, y));
    return colors;
  };
  Form1->SetWidth(510);
  const std::vector<TColor> main510 = {Rgb(255, 255, 255), Rgb(254, 254, 255), Rgb(254, 254, 255), Rgb(254, 254, 255),
                                       Rgb(253, 253, 255), Rgb(252, 252, 255), Rgb(252, 252, 255)};
  EXPECT_EQ(row(Form1, 0, 0, 6), main510);
  EXPECT_EQ(row(Form1, Form1->ClientHeight() - 1, 0, 6), main510);

  form4->SetWidth(510);
  EXPECT_EQ(row(form4, 0, 0, 5), (std::vector<TColor>{Rgb(0, 0, 255), Rgb(0, 0, 254), Rgb(1, 1, 254), Rgb(2, 2, 254),
                                                      Rgb(2, 2, 253), Rgb(2, 2, 252)}));

  // Only a 64-bit significand gets these; double arithmetic gives 230, 128, 26.
  Form1->SetWidth(1000);
  EXPECT_EQ(PeerOf(Form1).PixelAt(100, 0), Rgb(229, 229, 255));
  EXPECT_EQ(PeerOf(Form1).PixelAt(500, 0), Rgb(127, 127, 255));
  EXPECT_EQ(PeerOf(Form1).PixelAt(900, 0), Rgb(25, 25, 255));
  Form1->SetWidth(800);
  EXPECT_EQ(PeerOf(Form1).PixelAt(240, 0), Rgb(179, 179, 255));
  EXPECT_EQ(PeerOf(Form1).PixelAt(560, 0), Rgb(77, 77, 255));

  Form2->SetWidth(1000);
  EXPECT_EQ(PeerOf(Form2).PixelAt(500, 0), Rgb(127, 64, 0));
}

TEST_F(Gradient, StripesAreOnePixelWideAcrossTheOuterSizeAndTheBrushKeepsTheLast) {
  Form2->SetBounds(0, 0, 20, 90);
  const std::vector<RecordingCanvas::Fill> fills = RecordPaint(Form2);
  ASSERT_EQ(fills.size(), 1u + 21u) << "the window colour, then stripes 0 to Width";
  EXPECT_EQ(fills[0], (RecordingCanvas::Fill{{0, 0, 20 - 6, 90 - 32}, clBtnFace}));
  for (int x = 0; x <= 20; ++x) EXPECT_EQ(fills[1 + x].rect, (platform::Rect{x, 0, 1, 90})) << x;
  EXPECT_EQ(fills[1].color, clRed);
  EXPECT_EQ(fills[21].color, clGreen);
  EXPECT_EQ(Form2->Canvas()->Brush()->Color(), clGreen);
}

TEST_F(Gradient, ZeroWidthReportsTheDivisionAndANegativeWidthNothingAndNeitherDraws) {
  Form1->SetWidth(0);  // red falls from 255 to 0
  Form3->SetWidth(0);  // red stays 255: 0 / 0
  const std::vector<std::string> reports{"Floating point division by zero.", "Invalid floating point operation."};
  EXPECT_EQ(env.Messages(), reports);
  Form1->SetWidth(-5);
  form4->SetWidth(-1);
  EXPECT_EQ(env.Messages(), reports) << "a negative width raises nothing";
  for (TForm* form : std::vector<TForm*>{Form1, Form3, form4}) {
    const TColor brush = form->Canvas()->Brush()->Color();
    EXPECT_EQ(RecordPaint(form), (std::vector<RecordingCanvas::Fill>{{form->DisplayRect(), clBtnFace}}))
        << "only the window colour";
    EXPECT_EQ(form->Canvas()->Brush()->Color(), brush);
  }
}

// A double-buffered window keeps its last picture on screen until the new
// one is complete; the goodbye window paints straight on the screen, erased
// to the window colour first.
TEST_F(Gradient, OnlyTheGoodbyeWindowIsSeenHalfPainted) {
  for (TForm* form : std::vector<TForm*>{Form1, Form2}) {
    form->SetWidth(300);
    const std::vector<TColor> last = PeerOf(form).pixels;
    std::vector<TColor> atStart, atEnd;
    const TNotifyEvent paint = form->OnPaint;
    form->OnPaint = [&](TObject* sender) {
      atStart = PeerOf(form).pixels;
      paint(sender);
      atEnd = PeerOf(form).pixels;
    };
    form->SetWidth(400);
    const std::vector<TColor>& now = PeerOf(form).pixels;
    if (form->DoubleBuffered()) {
      EXPECT_EQ(atStart, last);
      EXPECT_EQ(atEnd, last);
    } else {
      EXPECT_EQ(atStart, std::vector<TColor>(now.size(), clBtnFace));
      EXPECT_EQ(atEnd, now);
    }
    ExpectWholeRamp(form, form == Form1 ? clWhite : clRed, form == Form1 ? clBlue : clGreen);
  }
}

// The home-page window has no resize handler, but the window system repaints
// a window whole whenever it changes size, so its ramp follows the new width
// once the message loop gets to it.
TEST_F(Gradient, TheHomePageWindowIsRepaintedWholeByTheSystemAfterAResize) {
  Form5->Show();
  system.ProcessMessages();
  ExpectWholeRamp(Form5, clBlack, clYellow);

  for (const int width : {900, 250}) {
    const int paints = PeerOf(Form5).paintCount;
    Form5->SetWidth(width);
    EXPECT_EQ(PeerOf(Form5).paintCount, paints) << "no paint before the message loop";
    system.ProcessMessages();
    EXPECT_EQ(PeerOf(Form5).paintCount, paints + 1);
    ExpectWholeRamp(Form5, clBlack, clYellow);
  }

  // The user's resize is followed by the message loop at once.
  env.Ui().MoveResize(Form5->Peer(), {246, 352, 700, 150});
  ExpectWholeRamp(Form5, clBlack, clYellow);

  Form5->Hide();
  const int paints = PeerOf(Form5).paintCount;
  Form5->SetWidth(640);
  system.ProcessMessages();
  EXPECT_EQ(PeerOf(Form5).paintCount, paints) << "a hidden window is not painted";
}

}  // namespace
