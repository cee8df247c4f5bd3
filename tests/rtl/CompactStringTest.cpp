#include "rtl/CompactString.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(CompactString, HoldsAnyBytesAndHandsThemOverOnMove) {
  EXPECT_EQ(CompactString().View(), "");
  EXPECT_EQ(CompactString("").View(), "");
  const std::string bytes("\0a\xFF\r\n", 5);
  const std::string large(100000, 'q');

  CompactString first(bytes);
  EXPECT_EQ(first.View(), bytes);
  CompactString second(std::move(first));
  EXPECT_EQ(second.View(), bytes);
  EXPECT_EQ(first.View(), "");  // NOLINT(bugprone-use-after-move): moved-from is empty
  CompactString third(large);
  third = std::move(second);
  EXPECT_EQ(third.View(), bytes);
}
