#include "GtkTestSupport.h"
#include "platform/gtk/LabelPeer.h"
#include "platform/gtk/MemoPeer.h"

using platform::FontSpec;
using platform::Size;
using namespace platform::gtk;

namespace {

const FontSpec kLink{"MS Sans Serif", -13, 0xFF0000, true, false};
const std::string kCaption = "tomas.vrana@example.com";

using TextPeersTest = gtktest::WindowTest;

}  // namespace

TEST_F(TextPeersTest, ALabelTakesTheMeasuredSizeAndReportsThePointerComingAndGoing) {
  const Size bold = LabelPeer::Measure(kCaption, kLink, 0);
  LabelPeer& label = Make<LabelPeer>({10, 10, bold.width, bold.height});
  label.SetCaption(kCaption);
  label.SetFont(kLink);
  gtktest::Settle();
  GtkWidget* text = gtk_bin_get_child(GTK_BIN(label.Widget()));
  EXPECT_EQ((Size{gtk_widget_get_allocated_width(text), gtk_widget_get_allocated_height(text)}), bold);
  const Size wrapped = LabelPeer::Measure(kCaption + " " + kCaption, kLink, bold.width + 4);
  EXPECT_EQ(wrapped.width, bold.width + 4);
  EXPECT_GT(wrapped.height, bold.height) << "two lines";

  // Moving between the label's own windows is neither coming nor going.
  for (auto [type, detail] : {std::pair{GDK_ENTER_NOTIFY, GDK_NOTIFY_ANCESTOR}, {GDK_LEAVE_NOTIFY, GDK_NOTIFY_INFERIOR},
                              {GDK_LEAVE_NOTIFY, GDK_NOTIFY_NONLINEAR}}) {
    GdkEvent* event = gdk_event_new(type);
    event->crossing.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(form_->Widget())));
    event->crossing.detail = detail;
    gtk_widget_event(label.Widget(), event);
    gdk_event_free(event);
  }
  ASSERT_EQ(listener_.events.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<platform::MouseEnter>(listener_.events[0]));
  EXPECT_TRUE(std::holds_alternative<platform::MouseLeave>(listener_.events[1]));
}

TEST_F(TextPeersTest, AMemoStaysInItsBoxWithoutScrollBarsHoweverLongItsText) {
  MemoPeer& memo = Make<MemoPeer>({10, 10, 120, 60});
  std::string text;
  for (int line = 0; line < 100; ++line) text += "a line of the memo that wraps\r\n";
  memo.SetText(text);
  memo.SetWordWrap(false);
  gtktest::Settle();
  EXPECT_EQ(gtk_widget_get_allocated_width(memo.Widget()), 120);
  EXPECT_EQ(gtk_widget_get_allocated_height(memo.Widget()), 60);
  GtkScrolledWindow* scrolled = GTK_SCROLLED_WINDOW(memo.Widget());
  EXPECT_FALSE(gtk_widget_get_child_visible(gtk_scrolled_window_get_vscrollbar(scrolled)));
  EXPECT_FALSE(gtk_widget_get_child_visible(gtk_scrolled_window_get_hscrollbar(scrolled)));
}

TEST_F(TextPeersTest, FontSizesFollowTheDesktopsResolution) {
  GtkSettings* settings = gtk_settings_get_default();
  gint dpi = 0;
  g_object_get(settings, "gtk-xft-dpi", &dpi, nullptr);
  g_object_set(settings, "gtk-xft-dpi", 120 * 1024, nullptr);
  EXPECT_EQ(system_->PixelsPerInch(), 120);
  g_object_set(settings, "gtk-xft-dpi", dpi, nullptr);
}
