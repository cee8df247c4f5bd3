#include "forms/Menus.h"

#include <gtest/gtest.h>

#include "platform/Keys.h"

TEST(TShortCutTest, TextIsWhatTheMenuShowsBesideTheCaption) {
  const struct {
    Word key;
    const char* text;
  } cases[] = {
      {0, ""}, {VK_DELETE, "Del"}, {VK_F1, "F1"}, {VK_F1 + 4, "F5"}, {VK_F1 + 9, "F10"}, {VK_F1 + 23, "F24"},
      {'A', "A"},
  };
  for (const auto& c : cases) EXPECT_EQ((TShortCut{c.key, {}}).Text(), c.text) << c.key;
}
