#include "platform/gtk/LabelPeer.h"

#include "GtkTestSupport.h"
#include "platform/gtk/GtkWindowSystem.h"
#include "platform/gtk/MemoPeer.h"

using platform::FontSpec;
using platform::PeerEventKind;
using platform::Rect;
using platform::Size;
using namespace platform::gtk;

namespace {

const FontSpec kLink{"MS Sans Serif", -13, 0xFF0000, true, false};
const std::string kCaption = "tomas.vrana@example.com";

class LabelPeerTest : public gtktest::WindowTest {
 protected:
  LabelPeer& Label(const FontSpec& font) {
    const Size size = LabelPeer::Measure(kCaption, font, 0);
    LabelPeer& label = Make<LabelPeer>({10, 10, size.width, size.height});
    label.SetCaption(kCaption);
    label.SetFont(font);
    gtktest::Settle();
    return label;
  }
  void Cross(LabelPeer& label, GdkEventType type, GdkNotifyType detail) {
    GdkEvent* event = gdk_event_new(type);
    event->crossing.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(form_->Widget())));
    event->crossing.detail = detail;
    gtk_widget_event(label.Widget(), event);
    gdk_event_free(event);
  }
  Size Allocated(const GtkPeer& peer) {
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(peer.Widget()));
    return {gtk_widget_get_allocated_width(label), gtk_widget_get_allocated_height(label)};
  }
};

}  // namespace

TEST_F(LabelPeerTest, ThePointerComingAndGoingIsReportedButNotMovesWithinTheLabel) {
  LabelPeer& label = Label(kLink);
  Cross(label, GDK_ENTER_NOTIFY, GDK_NOTIFY_ANCESTOR);
  Cross(label, GDK_LEAVE_NOTIFY, GDK_NOTIFY_INFERIOR);
  Cross(label, GDK_LEAVE_NOTIFY, GDK_NOTIFY_NONLINEAR);
  std::vector<PeerEventKind> kinds;
  for (const auto& event : listener_.events) kinds.push_back(event.kind);
  EXPECT_EQ(kinds, (std::vector<PeerEventKind>{PeerEventKind::MouseEnter, PeerEventKind::MouseLeave}));
}

TEST_F(LabelPeerTest, TheMeasuredSizeIsTheSizeTheLabelTakesOnScreen) {
  const Size bold = LabelPeer::Measure(kCaption, kLink, 0);
  EXPECT_EQ(Allocated(Label(kLink)), bold);

  FontSpec hovered = kLink;
  hovered.height = -19;
  hovered.bold = false;
  hovered.underline = true;
  FontSpec plain = kLink;
  plain.bold = false;
  const Size big = LabelPeer::Measure(kCaption, hovered, 0);
  const Size small = LabelPeer::Measure(kCaption, plain, 0);
  EXPECT_GT(big.width, bold.width);
  EXPECT_GT(big.height, bold.height);
  EXPECT_LT(small.width, bold.width) << "without bold the text is narrower";

  const Size wrapped = LabelPeer::Measure(kCaption + " " + kCaption, kLink, bold.width + 4);
  EXPECT_EQ(wrapped.width, bold.width + 4);
  EXPECT_GT(wrapped.height, bold.height) << "two lines";
}

TEST_F(LabelPeerTest, AnOpaqueLabelCoversItsBoxWithItsColourATransparentOneLeavesIt) {
  LabelPeer& label = Label(kLink);
  label.SetColor(0x00FF00);
  for (const bool transparent : {false, true}) {
    label.SetTransparent(transparent);
    // A corner the text leaves free, on a surface painted magenta first.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 50);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_paint(cr);
    gtk_widget_draw(label.Widget(), cr);
    cairo_surface_flush(surface);
    const auto corner = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface))[0] & 0xFFFFFF;
    EXPECT_EQ(corner, transparent ? 0xFF00FFu : 0x00FF00u) << "transparent " << transparent;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
}

TEST_F(LabelPeerTest, AMemoStaysInItsBoxWithoutScrollBarsHoweverLongItsText) {
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

TEST_F(LabelPeerTest, FontSizesFollowTheDesktopsResolution) {
  GtkSettings* settings = gtk_settings_get_default();
  gint dpi = 0;
  g_object_get(settings, "gtk-xft-dpi", &dpi, nullptr);
  g_object_set(settings, "gtk-xft-dpi", 120 * 1024, nullptr);
  EXPECT_EQ(system_->PixelsPerInch(), 120);
  g_object_set(settings, "gtk-xft-dpi", dpi, nullptr);
}
