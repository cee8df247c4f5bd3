#include "platform/gtk/AnimatePeer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "GtkTestSupport.h"
#include "platform/gtk/FindFolderClip.h"

using platform::Clip;
using namespace platform::gtk;

namespace {

constexpr int kBoxWidth = 80;
constexpr int kBoxHeight = 50;
constexpr std::uint32_t kFace = 0xD8E9EC;  // as 0x00BBGGRR; on screen 0xECE9D8

class AnimatePeerTest : public gtktest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    animate_ = &Make<AnimatePeer>({10, 10, kBoxWidth, kBoxHeight});
    animate_->SetColor(kFace);
    animate_->SetVisible(true);
  }

  // The box as drawn, row by row, 0x00RRGGBB.
  std::vector<std::uint32_t> Draw() {
    gtktest::Settle();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kBoxWidth, kBoxHeight);
    cairo_t* cr = cairo_create(surface);
    gtk_widget_draw(animate_->Widget(), cr);
    cairo_surface_flush(surface);
    std::vector<std::uint32_t> pixels;
    const auto* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < kBoxHeight; ++y)
      for (int x = 0; x < kBoxWidth; ++x)
        pixels.push_back(reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface))[x] &
                         0xFFFFFF);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return pixels;
  }

  AnimatePeer* animate_ = nullptr;
};

}  // namespace

TEST_F(AnimatePeerTest, EachFrameIsDrawnAfreshInTheMiddleOfTheBox) {
  const std::vector<std::uint32_t> empty = Draw();
  EXPECT_TRUE(std::ranges::all_of(empty, [](std::uint32_t pixel) { return pixel == 0xECE9D8u; }))
      << "no clip: only the box's colour";

  animate_->SetClip(Clip::FindFolder);
  std::vector<std::vector<std::uint32_t>> frames;
  for (int frame : {1, 8, 15, 1}) {
    animate_->ShowFrame(frame);
    frames.push_back(Draw());
  }
  EXPECT_NE(frames[0], frames[1]);
  EXPECT_NE(frames[1], frames[2]);
  EXPECT_EQ(frames[0], frames[3]) << "a frame looks the same each time round";

  const int left = (kBoxWidth - FindFolderClip::kWidth) / 2;
  const int top = (kBoxHeight - FindFolderClip::kHeight) / 2;
  for (const auto& pixels : frames)
    for (int y = 0; y < kBoxHeight; ++y)
      for (int x = 0; x < kBoxWidth; ++x) {
        const bool inClip = x >= left && x < left + FindFolderClip::kWidth && y >= top && y < top + FindFolderClip::kHeight;
        if (!inClip) {
          ASSERT_EQ(pixels[y * kBoxWidth + x], 0xECE9D8u) << "outside the clip at " << x << ", " << y;
        }
      }
}
