#include "platform/gtk/CairoCanvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using platform::Color;
using platform::ICanvas;
using platform::Rect;
using platform::gtk::CairoCanvas;

namespace {

constexpr Color kWhite = 0x00FFFFFF;

using ColouredRects = std::vector<std::pair<Rect, Color>>;

void Fill(ICanvas& canvas, const ColouredRects& fills) {
  for (const auto& [rect, color] : fills) canvas.FillRect(rect, color);
}

// The colour of the rectangle that holds the pixel, or white.
Color ColourAt(const ColouredRects& shown, int x, int y) {
  for (const auto& [r, color] : shown)
    if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return color;
  return kWhite;
}

// A 10 x 6 surface that starts white.
class CairoCanvasTest : public testing::Test {
 protected:
  void SetUp() override {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cr_ = cairo_create(surface_);
    PaintWhite();
  }
  void PaintWhite() {
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
    cairo_restore(cr_);
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

TEST_F(CairoCanvasTest, FillsExactlyThePixelsInsideTheSurfaceThatTheRectanglesCover) {
  const struct {
    const char* what;
    bool buffered;
    ColouredRects fills;
    ColouredRects shown;  // the rectangles that end up filled; every other pixel stays white
  } cases[] = {
      {"one rectangle, with no blended edges", false, {{{2, 1, 3, 2}, 0x00336699}}, {{{2, 1, 3, 2}, 0x00336699}}},
      {"rectangles reaching past the edges",
       false,
       {{{-3, -3, 5, 5}, 0}, {{8, 4, 10, 10}, 0}},
       {{{0, 0, 2, 2}, 0}, {{8, 4, 2, 2}, 0}}},
      {"empty and inverted rectangles", false, {{{2, 2, 0, 3}, 0}, {{2, 2, -2, 3}, 0}}, {}},
      {"a buffered rectangle too wide for an int", true, {{{3, -5, INT_MAX, INT_MAX}, 0}}, {{{3, 0, 7, 6}, 0}}},
  };
  for (const auto& c : cases) {
    PaintWhite();
    CairoCanvas canvas(cr_);
    if (c.buffered)
      canvas.PaintBuffered([&](ICanvas& surface) { Fill(surface, c.fills); });
    else
      Fill(canvas, c.fills);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        EXPECT_EQ(At(x, y), ColourAt(c.shown, x, y)) << c.what << " at " << x << "," << y;
  }
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

TEST_F(CairoCanvasTest, LeavesTheCairoStateAsItFoundIt) {
  cairo_set_source_rgb(cr_, 0, 1, 0);
  cairo_set_operator(cr_, CAIRO_OPERATOR_ADD);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
  cairo_pattern_t* source = cairo_get_source(cr_);
  CairoCanvas canvas(cr_);
  canvas.FillRect({0, 0, 1, 1}, 0);
  canvas.PaintBuffered([](ICanvas& surface) { surface.FillRect({0, 0, 2, 2}, 0); });
  EXPECT_EQ(cairo_get_source(cr_), source);
  EXPECT_EQ(cairo_get_operator(cr_), CAIRO_OPERATOR_ADD);
  EXPECT_EQ(cairo_get_antialias(cr_), CAIRO_ANTIALIAS_GOOD);
}

TEST_F(CairoCanvasTest, ABufferedPaintShowsNothingUntilItIsDone) {
  CairoCanvas canvas(cr_);
  canvas.PaintBuffered([&](ICanvas& surface) {
    surface.FillRect({0, 0, kWidth, kHeight}, 0x00336699);
    EXPECT_EQ(At(3, 3), kWhite);
  });
  EXPECT_EQ(At(3, 3), 0x00336699u);
}

// A buffered paint must leave exactly the pixels a straight one does, on
// every kind of draw context GTK may hand over and for any run of fills.
namespace {

enum class Context { Rgb24, Argb32, Clipped, Translated, DeviceOffset, DeviceScale, Group, HalfPixelShift, Recording };

using Paint = std::function<void(ICanvas&)>;

constexpr int kSurfaceWidth = 37;  // odd, so rows start at every alignment
constexpr int kSurfaceHeight = 9;

Color Ramp(int x) { return static_cast<Color>(0x00010305 * x) & 0x00FFFFFF; }

// What the surface holds before the paint: a different, half see-through
// value in every pixel, so any pixel a paint wrongly touches shows.
void FillWithPattern(cairo_surface_t* image) {
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  for (int y = 0; y < kSurfaceHeight; ++y)
    for (int x = 0; x < kSurfaceWidth; ++x)
      reinterpret_cast<std::uint32_t*>(data + y * cairo_image_surface_get_stride(image))[x] =
          0x80000000u | static_cast<std::uint32_t>((x * 3) << 16 | (y * 11) << 8 | (x + y));
  cairo_surface_mark_dirty(image);
}

// Paints on a fresh surface set up as context says and returns its pixels.
std::vector<std::uint32_t> PaintOn(Context context, const Paint& paint, bool buffered) {
  const cairo_format_t format = context == Context::Rgb24 ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  cairo_surface_t* image = cairo_image_surface_create(format, kSurfaceWidth, kSurfaceHeight);
  FillWithPattern(image);
  const cairo_rectangle_t extents{0, 0, kSurfaceWidth, kSurfaceHeight};
  cairo_surface_t* target = context == Context::Recording
                                ? cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents)
                                : cairo_surface_reference(image);
  if (context == Context::DeviceOffset) cairo_surface_set_device_offset(target, 3, -2);
  if (context == Context::DeviceScale) cairo_surface_set_device_scale(target, 2, 2);
  cairo_t* cr = cairo_create(target);
  switch (context) {
    case Context::Clipped:  // two separate boxes, as a damaged region
      cairo_rectangle(cr, 1, 1, 5, 3);
      cairo_rectangle(cr, 20, 2, 9, 6);
      cairo_clip(cr);
      break;
    case Context::Translated:
      cairo_translate(cr, 4, -1);
      cairo_rectangle(cr, -2, 0, 30, 8);
      cairo_clip(cr);
      break;
    case Context::Group:  // draws on a surface of its own, offset to the clip
      cairo_rectangle(cr, 5, 2, 20, 5);
      cairo_clip(cr);
      cairo_push_group(cr);
      break;
    case Context::DeviceScale:  // a clip of whole pixels in user space
      cairo_rectangle(cr, 1, 1, 15, 3);
      cairo_clip(cr);
      break;
    case Context::HalfPixelShift:
      cairo_translate(cr, 0.5, 0.5);
      break;
    default:
      break;
  }
  {
    CairoCanvas canvas(cr);
    if (buffered)
      canvas.PaintBuffered(paint);
    else
      paint(canvas);
  }
  if (context == Context::Group) {
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
  }
  cairo_destroy(cr);
  if (context == Context::Recording) {
    cairo_t* replay = cairo_create(image);
    cairo_set_source_surface(replay, target, 0, 0);
    cairo_paint(replay);
    cairo_destroy(replay);
  }
  cairo_surface_destroy(target);

  cairo_surface_flush(image);
  // Without alpha the top byte means nothing.
  const std::uint32_t meaningful = format == CAIRO_FORMAT_RGB24 ? 0x00FFFFFF : 0xFFFFFFFF;
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < kSurfaceHeight; ++y)
    for (int x = 0; x < kSurfaceWidth; ++x)
      pixels.push_back(reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image) +
                                                               y * cairo_image_surface_get_stride(image))[x] &
                       meaningful);
  cairo_surface_destroy(image);
  return pixels;
}

// The first pixel where the two differ, or nothing.
std::string Difference(const std::vector<std::uint32_t>& expected, const std::vector<std::uint32_t>& actual) {
  for (size_t i = 0; i < expected.size(); ++i)
    if (expected[i] != actual[i])
      return "at (" + std::to_string(i % kSurfaceWidth) + ", " + std::to_string(i / kSurfaceWidth) + "): expected " +
             std::to_string(expected[i]) + ", got " + std::to_string(actual[i]);
  return "";
}

void Nothing(ICanvas&) {}

struct Fills {
  const char* name;
  Paint paint;
};

// A background, then one full-height stripe per column as the windows do,
// reaching past the surface, which may be shifted under the paint.
void Background(ICanvas& canvas) {
  canvas.FillRect({-10, -10, kSurfaceWidth + 20, kSurfaceHeight + 20}, 0x00102030);
  for (int x = -10; x <= kSurfaceWidth + 10; ++x) canvas.FillRect({x, -10, 1, kSurfaceHeight + 20}, Ramp(x + 10));
}

const Fills kFills[] = {
    {"FullHeightStripes", Background},
    {"StripesOverSomeColumns",
     [](ICanvas& canvas) {
       for (int x = 3; x < kSurfaceWidth - 4; x += 2) canvas.FillRect({x, -4, 1, kSurfaceHeight + 8}, Ramp(x));
     }},
    {"PartialFillsAmongStripes",
     [](ICanvas& canvas) {
       Background(canvas);
       canvas.FillRect({3, 2, 6, 3}, 0x00ABCDEF);
       for (int x = 5; x < 12; ++x) canvas.FillRect({x, 0, 1, kSurfaceHeight}, Ramp(40 - x));
       canvas.FillRect({20, 7, 30, 1}, 0x00FEDCBA);
     }},
    {"OverlappingFillsInOrder",
     [](ICanvas& canvas) {
       canvas.FillRect({2, 1, 10, 5}, 0x00000011);
       canvas.FillRect({6, 3, 10, 5}, 0x00002200);
       canvas.FillRect({8, 0, 2, kSurfaceHeight}, 0x00330000);
       canvas.FillRect({4, 2, 20, 1}, 0x00444444);
       canvas.FillRect({22, 1, 3, 3}, 0x00555555);
     }},
    {"FillsOutsideTheSurface",
     [](ICanvas& canvas) {
       canvas.FillRect({-6, -6, 3, 3}, 0x00111111);
       canvas.FillRect({-3, -3, 5, 5}, 0x00222222);
       canvas.FillRect({kSurfaceWidth - 2, kSurfaceHeight - 2, 10, 10}, 0x00333333);
       canvas.FillRect({kSurfaceWidth, 0, 5, kSurfaceHeight}, 0x00444444);
       canvas.FillRect({-10, -10, 100, 100}, 0x00555555);
       canvas.FillRect({10, 0, 1, kSurfaceHeight}, 0x00666666);
       canvas.FillRect({12, 2, 0, 3}, 0x00777777);
       canvas.FillRect({14, 2, -2, 3}, 0x00888888);
     }},
    {"NoFills", Nothing},
};

const char* Name(Context context) {
  constexpr const char* kNames[] = {"Rgb24",       "Argb32", "Clipped",        "Translated", "DeviceOffset",
                                    "DeviceScale", "Group",  "HalfPixelShift", "Recording"};
  return kNames[static_cast<int>(context)];
}

class BufferedPaintTest : public testing::TestWithParam<std::tuple<Context, int>> {};

std::string TestName(const testing::TestParamInfo<BufferedPaintTest::ParamType>& param) {
  return std::string(Name(std::get<0>(param.param))) + "_" + kFills[std::get<1>(param.param)].name;
}

}  // namespace

TEST_P(BufferedPaintTest, LeavesTheSamePixelsAsAStraightPaint) {
  const auto [context, fills] = GetParam();
  const Paint& paint = kFills[fills].paint;
  const std::vector<std::uint32_t> straight = PaintOn(context, paint, false);
  EXPECT_EQ(Difference(straight, PaintOn(context, paint, true)), "");
  // Something showed, unless there was nothing to show.
  if (std::string(kFills[fills].name) != "NoFills") {
    EXPECT_NE(straight, PaintOn(context, Nothing, false));
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllContexts, BufferedPaintTest,
    testing::Combine(testing::Values(Context::Rgb24, Context::Argb32, Context::Clipped, Context::Translated,
                                     Context::DeviceOffset, Context::DeviceScale, Context::Group,
                                     Context::HalfPixelShift, Context::Recording),
                     testing::Range(0, static_cast<int>(std::size(kFills)))),
    TestName);
