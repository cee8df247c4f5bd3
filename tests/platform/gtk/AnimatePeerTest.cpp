#include "platform/gtk/AnimatePeer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "GtkTestSupport.h"
#include "platform/gtk/FindFolderClip.h"

using platform::Clip;
using namespace platform::gtk;

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 50;
constexpr std::uint32_t kFace = 0xD8E9EC, kFaceOnScreen = 0xECE9D8;  // 0x00BBGGRR and 0x00RRGGBB

class AnimatePeerTest : public gtktest::WindowTest {
 protected:
  // The frame as drawn in the box, row by row, 0x00RRGGBB.
  std::vector<std::uint32_t> Draw(AnimatePeer& animate, int frame) {
    animate.ShowFrame(frame);
    gtktest::Settle();
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    gtk_widget_draw(animate.Widget(), cr);
    cairo_surface_flush(surface);
    const auto* data = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface));
    std::vector<std::uint32_t> pixels(data, data + kWidth * kHeight);  // rows of 80 pixels need no padding
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    for (auto& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
  }
};

}  // namespace

TEST_F(AnimatePeerTest, EachFrameIsDrawnAfreshInTheMiddleOfTheBoxOnItsColour) {
  AnimatePeer& animate = Make<AnimatePeer>({10, 10, kWidth, kHeight});
  animate.SetColor(kFace);
  animate.SetVisible(true);
  const auto empty = Draw(animate, 1);
  EXPECT_TRUE(std::ranges::all_of(empty, [](std::uint32_t p) { return p == kFaceOnScreen; })) << "no clip yet";

  animate.SetClip(Clip::FindFolder);
  const std::vector<std::vector<std::uint32_t>> frames{Draw(animate, 1), Draw(animate, 8), Draw(animate, 1)};
  EXPECT_NE(frames[0], frames[1]);
  EXPECT_EQ(frames[0], frames[2]) << "a frame looks the same each time round";
  // Only the middle of the box changes: the clip centred, the rest the box's colour.
  const int left = (kWidth - FindFolderClip::kWidth) / 2, top = (kHeight - FindFolderClip::kHeight) / 2;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (x < left || x >= left + FindFolderClip::kWidth || y < top || y >= top + FindFolderClip::kHeight) {
        ASSERT_EQ(frames[1][y * kWidth + x], kFaceOnScreen) << x << ", " << y;
      }
}
