#include "platform/gtk/CssColor.h"

#include <gtest/gtest.h>

using platform::gtk::CssColor;

TEST(CssColorTest, WritesRedGreenBlueInDecimal) {
  EXPECT_EQ(CssColor(0x00336699), "rgb(153,102,51)");
  EXPECT_EQ(CssColor(0x00D8E9EC), "rgb(236,233,216)");
  EXPECT_EQ(CssColor(0x00000000), "rgb(0,0,0)");
}
