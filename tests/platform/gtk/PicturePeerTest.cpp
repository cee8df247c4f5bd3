#include "platform/gtk/ImagePeer.h"

#include "GtkTestSupport.h"

using platform::Cursor;
using namespace platform::gtk;

namespace {

// A shown window with a picture on it.
class PicturePeerTest : public gtktest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    picture_ = &Make<ImagePeer>({10, 10, 34, 33});
    picture_->SetPicture("add");
  }

  GdkWindow* FormWindow() const { return gtk_widget_get_window(form_->Widget()); }
  // Hands an event to the picture as if it came from the display.
  void Send(GdkEventType type, guint button = 0) {
    GdkEvent* event = gdk_event_new(type);
    event->any.window = GDK_WINDOW(g_object_ref(FormWindow()));
    if (type == GDK_BUTTON_PRESS) event->button.button = button;
    gtk_widget_event(picture_->Widget(), event);
    gdk_event_free(event);
  }

  ImagePeer* picture_ = nullptr;
};

}  // namespace

TEST_F(PicturePeerTest, ThePictureShowsAtItsDrawnSizeUnscaled) {
  GdkPixbuf* shown = gtk_image_get_pixbuf(GTK_IMAGE(gtk_bin_get_child(GTK_BIN(picture_->Widget()))));
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(gdk_pixbuf_get_width(shown), 32);
  EXPECT_EQ(gdk_pixbuf_get_height(shown), 32);
}

TEST_F(PicturePeerTest, OnlyALeftButtonPressIsReportedAsAClick) {
  Send(GDK_BUTTON_PRESS, 3);
  EXPECT_TRUE(listener_.Of<platform::Click>().empty());
  Send(GDK_BUTTON_PRESS, 1);
  EXPECT_EQ(listener_.Of<platform::Click>().size(), 1u);
}

TEST_F(PicturePeerTest, TheHandPointerShowsOnlyWhileThePointerIsOverThePicture) {
  picture_->SetCursor(Cursor::HandPoint);
  Send(GDK_ENTER_NOTIFY);
  EXPECT_NE(gdk_window_get_cursor(FormWindow()), nullptr);
  Send(GDK_LEAVE_NOTIFY);
  EXPECT_EQ(gdk_window_get_cursor(FormWindow()), nullptr);

  picture_->SetCursor(Cursor::Default);
  Send(GDK_ENTER_NOTIFY);
  EXPECT_EQ(gdk_window_get_cursor(FormWindow()), nullptr);
}
