#include "platform/gtk/PictureStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using platform::gtk::PictureStore;

namespace {

// The sizes the controls ask for: menu, button, tool bar, window icon, an image's bounds.
constexpr int kSizes[] = {16, 20, 32, 33};

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
