#include "platform/gtk/FormPeer.h"

#include <optional>

#include "GtkTestSupport.h"
#include "platform/gtk/ContainerPeer.h"
#include "platform/gtk/GtkWindowSystem.h"

using platform::Rect;
using platform::gtk::ContainerPeer;
using platform::gtk::FormPeer;
using platform::gtk::GtkWindowSystem;

namespace {

// Records reports and answers a size report as the class library does: by
// laying a child over the whole client area.
class LayingOutListener : public gtktest::RecordingListener {
 public:
  bool OnPeerEvent(const platform::PeerEvent& event) override {
    const auto* resized = std::get_if<platform::Resized>(&event);
    if (resized && child) child->SetBounds({0, 0, resized->client.width, resized->client.height});
    return RecordingListener::OnPeerEvent(event);
  }
  platform::IControlPeer* child = nullptr;
};

class FormPeerTest : public gtktest::DisplayTest {
 protected:
  void SetUp() override {
    gtktest::DisplayTest::SetUp();
    if (IsSkipped()) return;
    system_ = std::make_unique<GtkWindowSystem>();
    form_ = std::make_unique<FormPeer>(*system_, listener_);
  }
  void TearDown() override {
    child_.reset();
    form_.reset();
    system_.reset();
  }

  GtkAllocation Client() {
    GtkAllocation area;
    gtk_widget_get_allocation(form_->ChildArea(), &area);
    return area;
  }
  GdkRectangle Frame() {
    GdkRectangle frame;
    gdk_window_get_frame_extents(gtk_widget_get_window(form_->Widget()), &frame);
    return frame;
  }
  std::optional<platform::Resized> LastReport() {
    const auto reports = listener_.Of<platform::Resized>();
    if (reports.empty()) return std::nullopt;
    return reports.back();
  }
  // Until the window manager has laid the window's frame over the bounds and the size is reported.
  bool Reported(const Rect& bounds) {
    return gtktest::RunUntil([&] {
      const GdkRectangle frame = Frame();
      return LastReport() && LastReport()->bounds == bounds && Rect{frame.x, frame.y, frame.width, frame.height} == bounds;
    });
  }
  void AddChild() {
    child_ = std::make_unique<ContainerPeer>(*system_, form_.get(), childListener_);
    child_->SetVisible(true);
    listener_.child = child_.get();
  }

  LayingOutListener listener_;
  gtktest::RecordingListener childListener_;
  std::unique_ptr<GtkWindowSystem> system_;
  std::unique_ptr<FormPeer> form_;
  std::unique_ptr<ContainerPeer> child_;
};

}  // namespace

// Whatever frame the window manager draws, it stands over the requested
// bounds, and the client area the window got is what is reported.
TEST_F(FormPeerTest, TheFrameCoversTheRequestedBoundsAndTheClientAreaIsReported) {
  for (const bool withMenu : {false, true}) {
    SCOPED_TRACE(withMenu ? "with a menu bar" : "without a menu bar");
    TearDown();
    SetUp();
    if (withMenu) form_->SetMenu({{1, "&Soubor", "", -1, true, {{2, "Konec", "F5", -1, true, {}}}}}, {});
    const Rect bounds{40, 50, 400, 300};
    form_->SetBounds(bounds);
    form_->SetVisible(true);
    ASSERT_TRUE(Reported(bounds)) << Frame().width << " x " << Frame().height;
    const platform::Size client = LastReport()->client;
    EXPECT_EQ(client.width, Client().width);
    EXPECT_EQ(client.height, Client().height);
    // The menu bar takes its row from the client area.
    const int menuRow = gtk_widget_get_allocated_height(form_->Widget()) - client.height;
    if (withMenu)
      EXPECT_GT(menuRow, 10);
    else
      EXPECT_EQ(menuRow, 0);
  }
}

TEST_F(FormPeerTest, AResizeByTheUserIsReportedAsOuterBoundsAndClientArea) {
  const Rect bounds{0, 0, 400, 300};
  form_->SetBounds(bounds);
  form_->SetVisible(true);
  ASSERT_TRUE(Reported(bounds));
  const int frameWidth = bounds.width - LastReport()->client.width;
  const int frameHeight = bounds.height - LastReport()->client.height;
  gtk_window_resize(form_->Window(), 500, 366);
  ASSERT_TRUE(gtktest::RunUntil([&] { return LastReport()->client == platform::Size{500, 366}; }));
  EXPECT_EQ(LastReport()->bounds.width, 500 + frameWidth);
  EXPECT_EQ(LastReport()->bounds.height, 366 + frameHeight);
}

// A child laid over the client area neither holds the window at its size nor
// lags behind it: bounds given in answer to a size report are used at once.
TEST_F(FormPeerTest, ChildrenFollowTheWindowDownAndUp) {
  AddChild();
  form_->SetBounds({0, 0, 400, 300});
  form_->SetVisible(true);
  ASSERT_TRUE(Reported({0, 0, 400, 300}));
  for (const platform::Size size : {platform::Size{200, 150}, platform::Size{640, 480}}) {
    SCOPED_TRACE(size.width);
    gtk_window_resize(form_->Window(), size.width, size.height);
    ASSERT_TRUE(gtktest::RunUntil([&] { return LastReport()->client == size; }));
    gtktest::Settle();
    GtkAllocation placed;
    gtk_widget_get_allocation(child_->Widget(), &placed);
    EXPECT_EQ(placed.width, size.width);
    EXPECT_EQ(placed.height, size.height);
  }
}

TEST_F(FormPeerTest, ClosingAsksTheClassLibraryAndLeavesTheWindowStanding) {
  form_->SetBounds({0, 0, 200, 150});
  form_->SetVisible(true);
  gtktest::Settle();
  gtk_window_close(form_->Window());
  ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of<platform::CloseRequest>().empty(); }));
  EXPECT_TRUE(gtk_widget_get_visible(form_->Widget()));
}

TEST_F(FormPeerTest, RepaintHandsTheClassLibraryACanvasOfTheClientArea) {
  form_->SetBounds({0, 0, 200, 150});
  form_->SetVisible(true);
  gtktest::Settle();
  listener_.events.clear();
  form_->Repaint();
  EXPECT_FALSE(listener_.Of<platform::Paint>().empty());
}

// The bar's menus are made once the loop runs; a bar taken away before then
// leaves nothing behind to make them in.
TEST_F(FormPeerTest, AMenuBarTakenAwayBeforeItsMenusAreMadeLeavesNothingBehind) {
  const GLogLevelFlags fatal = g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL));
  form_->SetMenu({{1, "&Soubor", "", -1, true, {{7, "Konec", "", -1, true, {}}}}}, {});
  form_->SetMenu({}, {});
  gtktest::Settle();
  g_log_set_always_fatal(fatal);
  GList* rows = gtk_container_get_children(GTK_CONTAINER(gtk_bin_get_child(GTK_BIN(form_->Widget()))));
  for (GList* row = rows; row; row = row->next) EXPECT_FALSE(GTK_IS_MENU_BAR(row->data));
  g_list_free(rows);
}

TEST_F(FormPeerTest, ChoosingAMenuItemReportsItsCommand) {
  form_->SetMenu({{1, "&Soubor", "", -1, true, {{7, "Konec", "", -1, true, {}}}}, {9, "Konec", "", -1, true, {}}}, {});
  gtktest::Settle();  // the bar's menus are made once the message loop runs
  GtkWidget* bar = nullptr;
  GList* rows = gtk_container_get_children(GTK_CONTAINER(gtk_bin_get_child(GTK_BIN(form_->Widget()))));
  for (GList* row = rows; row; row = row->next)
    if (GTK_IS_MENU_BAR(row->data)) bar = GTK_WIDGET(row->data);
  g_list_free(rows);
  ASSERT_NE(bar, nullptr);
  GList* entries = gtk_container_get_children(GTK_CONTAINER(bar));
  GtkWidget* soubor = GTK_WIDGET(g_list_nth_data(entries, 0));
  gtk_menu_item_activate(GTK_MENU_ITEM(g_list_nth_data(entries, 1)));
  g_list_free(entries);
  GList* items = gtk_container_get_children(GTK_CONTAINER(gtk_menu_item_get_submenu(GTK_MENU_ITEM(soubor))));
  gtk_menu_item_activate(GTK_MENU_ITEM(items->data));
  g_list_free(items);
  const auto commands = listener_.Of<platform::MenuCommand>();
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].commandId, 9);
  EXPECT_EQ(commands[1].commandId, 7);
}
