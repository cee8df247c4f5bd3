#include "platform/gtk/PictureStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using platform::gtk::PictureStore;

namespace {

// The sizes the controls ask for: menu, button, tool bar, window icon, an image's bounds.
constexpr int kSizes[] = {16, 20, 32, 33};

struct PixbufUnref {
  void operator()(GdkPixbuf* pixbuf) const { g_object_unref(pixbuf); }
};
using Pixbuf = std::unique_ptr<GdkPixbuf, PixbufUnref>;

// The largest difference of one channel between two pictures of one size,
// colours weighted by their opacity.
int LargestDifference(GdkPixbuf* a, GdkPixbuf* b) {
  const auto channel = [](GdkPixbuf* p, int x, int y, int c) {
    const int n = gdk_pixbuf_get_n_channels(p);
    const guchar* pixel = gdk_pixbuf_read_pixels(p) + y * gdk_pixbuf_get_rowstride(p) + x * n;
    const int alpha = gdk_pixbuf_get_has_alpha(p) ? pixel[3] : 255;
    return c == 3 ? alpha : pixel[c] * alpha / 255;
  };
  int largest = 0;
  for (int y = 0; y < gdk_pixbuf_get_height(a); ++y)
    for (int x = 0; x < gdk_pixbuf_get_width(a); ++x)
      for (int c = 0; c < 4; ++c) largest = std::max(largest, std::abs(channel(a, x, y, c) - channel(b, x, y, c)));
  return largest;
}

}  // namespace

TEST(PictureStoreTest, EveryPictureOfTheFolderIsInTheProgramAtEverySize) {
  PictureStore store;
  int pictures = 0;
  for (const auto& file : std::filesystem::directory_iterator(KALNOR_PICTURE_FOLDER)) {
    if (file.path().extension() != ".svg") continue;
    ++pictures;
    const std::string name = file.path().stem();
    for (int size : kSizes) {
      GdkPixbuf* picture = store.Get(name, size);
      ASSERT_NE(picture, nullptr) << name << " at " << size;
      EXPECT_EQ(std::max(gdk_pixbuf_get_width(picture), gdk_pixbuf_get_height(picture)), size) << name;
    }
  }
  EXPECT_GT(pictures, 0);
}

// "<name>.png" is the picture at its own size, "<name>-<size>.png" at that
// size; a name may have dashes of its own.
TEST(PictureStoreTest, PicturesDrawnAtBuildTimeLookAsTheirSvgDrawnHere) {
  char** files = g_resources_enumerate_children(PictureStore::kResourceFolder, G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  ASSERT_NE(files, nullptr);
  int drawn = 0;
  for (char** file = files; *file; ++file) {
    const std::string png = *file;
    if (!png.ends_with(".png")) continue;
    ++drawn;
    std::string name = png.substr(0, png.size() - 4);
    int size = PictureStore::kOwnSize;
    const auto dash = name.rfind('-');
    if (dash != std::string::npos && name.find_first_not_of("0123456789", dash + 1) == std::string::npos) {
      size = std::stoi(name.substr(dash + 1));
      name.resize(dash);
    }
    const std::string folder = PictureStore::kResourceFolder;
    const Pixbuf early(gdk_pixbuf_new_from_resource((folder + png).c_str(), nullptr));
    const Pixbuf here(gdk_pixbuf_new_from_resource_at_scale((folder + name + ".svg").c_str(), size, size, TRUE, nullptr));
    ASSERT_TRUE(early && here) << png;
    const int widths[] = {gdk_pixbuf_get_width(early.get()), gdk_pixbuf_get_width(here.get())};
    const int heights[] = {gdk_pixbuf_get_height(early.get()), gdk_pixbuf_get_height(here.get())};
    // The shorter side of a picture that is not square may be rounded up.
    EXPECT_EQ(std::max(widths[0], heights[0]), std::max(widths[1], heights[1])) << png;
    EXPECT_LE(std::abs(widths[0] - widths[1]) + std::abs(heights[0] - heights[1]), 1) << png;
    if (widths[0] == widths[1] && heights[0] == heights[1]) {
      EXPECT_LE(LargestDifference(early.get(), here.get()), 2) << png;
    }
  }
  g_strfreev(files);
  EXPECT_GT(drawn, 0);
}

TEST(PictureStoreTest, APictureIsMadeOncePerSize) {
  PictureStore store;
  GdkPixbuf* small = store.Get("kalnor", 16);
  EXPECT_EQ(store.Get("kalnor", 16), small);
  EXPECT_NE(store.Get("kalnor", 32), small);
}

TEST(PictureStoreTest, AnUnknownPictureIsNone) {
  PictureStore store;
  EXPECT_EQ(store.Get("no-such-picture", 16), nullptr);
  EXPECT_EQ(store.Get("", 16), nullptr);
}
