// The headless screen: buffered paints must give exactly the picture the same
// fills give straight on the screen, and never show a stale one.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/PixelCanvas.h"

namespace {

using platform::Color;
using platform::ICanvas;
using platform::Rect;
using platform::headless::PixelCanvas;

constexpr int kWidth = 7;
constexpr int kHeight = 5;

struct Screen {
  std::vector<Color> pixels;
  std::vector<Color> spare;
  PixelCanvas Canvas(int width = kWidth, int height = kHeight) { return PixelCanvas(pixels, spare, width, height); }
};

void Draw(ICanvas& canvas, const std::vector<std::pair<Rect, Color>>& fills) {
  for (const auto& [rect, color] : fills) canvas.FillRect(rect, color);
}

TEST(HeadlessScreen, BufferedFillsGiveThePictureDirectFillsGive) {
  const std::vector<std::vector<std::pair<Rect, Color>>> scenes = {
      // a background and full-height stripes, some reaching past the edges
      {{{0, 0, kWidth, kHeight}, 1}, {{0, 0, 1, kHeight}, 2}, {{3, -4, 1, 40}, 3}, {{-2, 0, 3, kHeight}, 4},
       {{6, 0, 5, kHeight}, 5}},
      // stripes, then a part of some rows, then stripes again
      {{{0, 0, kWidth, kHeight}, 1}, {{2, 0, 1, kHeight}, 2}, {{1, 1, 4, 2}, 3}, {{3, 0, 1, kHeight}, 4}},
      // nothing that spans all rows, empty and outside fills
      {{{0, 1, kWidth, kHeight}, 6}, {{2, 0, 0, kHeight}, 7}, {{kWidth, 0, 3, kHeight}, 8}, {{0, 0, 2, 1}, 9}},
  };
  for (const auto& scene : scenes) {
    Screen direct;
    PixelCanvas directCanvas = direct.Canvas();
    directCanvas.FillRect({0, 0, kWidth, kHeight}, 0);
    Draw(directCanvas, scene);

    Screen buffered;
    buffered.Canvas().PaintBuffered([&](ICanvas& canvas) { Draw(canvas, scene); });
    EXPECT_EQ(buffered.pixels, direct.pixels);
  }
}

TEST(HeadlessScreen, ABufferedPaintShowsNothingUntilDoneAndStartsFresh) {
  Screen screen;
  screen.Canvas().PaintBuffered([](ICanvas& canvas) { canvas.FillRect({0, 0, kWidth, kHeight}, 5); });
  const std::vector<Color> first = screen.pixels;
  EXPECT_EQ(first, std::vector<Color>(kWidth * kHeight, 5));

  screen.Canvas().PaintBuffered([&](ICanvas& canvas) {
    canvas.FillRect({1, 1, 1, 1}, 6);
    EXPECT_EQ(screen.pixels, first) << "the screen shows the last picture while the next is drawn";
  });
  std::vector<Color> second(kWidth * kHeight, 0);
  second[kWidth + 1] = 6;
  EXPECT_EQ(screen.pixels, second) << "the reused buffer must not bring back an older picture";

  // The buffers follow the window's size both ways.
  screen.Canvas(3, 2).PaintBuffered([](ICanvas& canvas) { canvas.FillRect({0, 0, 3, 2}, 7); });
  EXPECT_EQ(screen.pixels, std::vector<Color>(6, 7));
  screen.Canvas(9, 4).PaintBuffered([](ICanvas& canvas) { canvas.FillRect({8, 0, 1, 4}, 8); });
  std::vector<Color> wide(36, 0);
  for (int y = 0; y < 4; ++y) wide[y * 9 + 8] = 8;
  EXPECT_EQ(screen.pixels, wide);
}

}  // namespace
