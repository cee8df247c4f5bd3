#include "platform/gtk/CairoCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>

using platform::Color;
using platform::gtk::CairoCanvas;

namespace {

// A 10 x 6 surface that starts white.
class CairoCanvasTest : public testing::Test {
 protected:
  void SetUp() override {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cr_ = cairo_create(surface_);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
  }
  void TearDown() override {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }

  // The pixel as 0x00BBGGRR, like the class library's colours.
  Color At(int x, int y) {
    cairo_surface_flush(surface_);
    const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    const std::uint32_t rgb = reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
  }

  static constexpr int kWidth = 10;
  static constexpr int kHeight = 6;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
};

}  // namespace

TEST_F(CairoCanvasTest, FillsExactlyTheGivenPixelsInTheGivenColour) {
  CairoCanvas canvas(cr_);
  canvas.FillRect({2, 1, 3, 2}, 0x00336699);
  EXPECT_EQ(At(2, 1), 0x00336699u);
  EXPECT_EQ(At(4, 2), 0x00336699u);
  // The neighbours stay untouched: no blended edges.
  EXPECT_EQ(At(1, 1), 0x00FFFFFFu);
  EXPECT_EQ(At(5, 1), 0x00FFFFFFu);
  EXPECT_EQ(At(2, 0), 0x00FFFFFFu);
  EXPECT_EQ(At(2, 3), 0x00FFFFFFu);
}

TEST_F(CairoCanvasTest, ColoursAreBlueGreenRed) {
  CairoCanvas canvas(cr_);
  canvas.FillRect({0, 0, 1, 1}, 0x000000FF);  // red
  canvas.FillRect({1, 0, 1, 1}, 0x00FF0000);  // blue
  cairo_surface_flush(surface_);
  const auto* pixels = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_));
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(pixels[1] & 0xFFFFFF, 0x0000FFu);
}

TEST_F(CairoCanvasTest, WhatFallsOutsideTheSurfaceIsDropped) {
  CairoCanvas canvas(cr_);
  canvas.FillRect({-3, -3, 5, 5}, 0);
  canvas.FillRect({8, 4, 10, 10}, 0);
  EXPECT_EQ(At(1, 1), 0u);
  EXPECT_EQ(At(2, 2), 0x00FFFFFFu);
  EXPECT_EQ(At(9, 5), 0u);
  EXPECT_EQ(At(7, 5), 0x00FFFFFFu);
}

TEST_F(CairoCanvasTest, EmptyOrInvertedRectanglesPaintNothing) {
  CairoCanvas canvas(cr_);
  canvas.FillRect({2, 2, 0, 3}, 0);
  canvas.FillRect({2, 2, -2, 3}, 0);
  for (int x = 0; x < kWidth; ++x) EXPECT_EQ(At(x, 3), 0x00FFFFFFu) << x;
}

TEST_F(CairoCanvasTest, LeavesTheCairoStateAsItFoundIt) {
  cairo_set_source_rgb(cr_, 0, 1, 0);
  CairoCanvas canvas(cr_);
  canvas.FillRect({0, 0, 1, 1}, 0);
  cairo_rectangle(cr_, 9, 5, 1, 1);
  cairo_fill(cr_);
  EXPECT_EQ(At(9, 5), 0x0000FF00u);
}
