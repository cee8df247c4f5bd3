#include "platform/gtk/CompleteAddress.h"

#include <gtest/gtest.h>

using platform::gtk::CompleteAddress;

TEST(CompleteAddressTest, CompletesWhatIsTypedAsABrowserDoes) {
  const struct {
    const char* typed;
    const char* address;
  } cases[] = {
      // Addresses with a scheme stay as typed.
      {"http://seznam.cz/", "http://seznam.cz/"},
      {"https://example.test/a?b=c", "https://example.test/a?b=c"},
      {"file:///tmp/a.html", "file:///tmp/a.html"},
      {"about:blank", "about:blank"},
      {"mailto:someone@example.test", "mailto:someone@example.test"},
      {"data:text/html,hi", "data:text/html,hi"},
      {"ABOUT:blank", "ABOUT:blank"},
      // Host names and paths become web addresses.
      {"seznam.cz", "http://seznam.cz"},
      {"www.seznam.cz/hledat", "http://www.seznam.cz/hledat"},
      {"127.0.0.1/a", "http://127.0.0.1/a"},
      {"127.0.0.1:8080", "http://127.0.0.1:8080"},
      // A host with a port is not a scheme.
      {"localhost:8000/x", "http://localhost:8000/x"},
      {"localhost:8000", "http://localhost:8000"},
      // Absolute paths become file addresses.
      {"/tmp/page.html", "file:///tmp/page.html"},
      {"/tmp/my page.html", "file:///tmp/my%20page.html"},
      // Blanks around are dropped, and nothing leaves nothing.
      {"  seznam.cz \t", "http://seznam.cz"},
      {"", ""},
      {"   ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CompleteAddress(c.typed), c.address) << '"' << c.typed << '"';
}
