#include "platform/gtk/CompleteAddress.h"

#include <gtest/gtest.h>

using platform::gtk::CompleteAddress;

TEST(CompleteAddressTest, AddressesWithASchemeStayAsTyped) {
  EXPECT_EQ(CompleteAddress("http://seznam.cz/"), "http://seznam.cz/");
  EXPECT_EQ(CompleteAddress("https://example.test/a?b=c"), "https://example.test/a?b=c");
  EXPECT_EQ(CompleteAddress("file:///tmp/a.html"), "file:///tmp/a.html");
  EXPECT_EQ(CompleteAddress("about:blank"), "about:blank");
  EXPECT_EQ(CompleteAddress("mailto:someone@example.test"), "mailto:someone@example.test");
  EXPECT_EQ(CompleteAddress("data:text/html,hi"), "data:text/html,hi");
  EXPECT_EQ(CompleteAddress("ABOUT:blank"), "ABOUT:blank");
}

TEST(CompleteAddressTest, HostNamesAndPathsBecomeWebAddresses) {
  EXPECT_EQ(CompleteAddress("seznam.cz"), "http://seznam.cz");
  EXPECT_EQ(CompleteAddress("www.seznam.cz/hledat"), "http://www.seznam.cz/hledat");
  EXPECT_EQ(CompleteAddress("127.0.0.1/a"), "http://127.0.0.1/a");
  EXPECT_EQ(CompleteAddress("127.0.0.1:8080"), "http://127.0.0.1:8080");
}

TEST(CompleteAddressTest, AHostWithAPortIsNotAScheme) {
  EXPECT_EQ(CompleteAddress("localhost:8000/x"), "http://localhost:8000/x");
  EXPECT_EQ(CompleteAddress("localhost:8000"), "http://localhost:8000");
}

TEST(CompleteAddressTest, AbsolutePathsBecomeFileAddresses) {
  EXPECT_EQ(CompleteAddress("/tmp/page.html"), "file:///tmp/page.html");
  EXPECT_EQ(CompleteAddress("/tmp/my page.html"), "file:///tmp/my%20page.html");
}

TEST(CompleteAddressTest, BlanksAroundAreDroppedAndNothingLeavesNothing) {
  EXPECT_EQ(CompleteAddress("  seznam.cz \t"), "http://seznam.cz");
  EXPECT_EQ(CompleteAddress(""), "");
  EXPECT_EQ(CompleteAddress("   "), "");
}
