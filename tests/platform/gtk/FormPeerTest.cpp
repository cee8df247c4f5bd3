#include "platform/gtk/FormPeer.h"

#include "GtkTestSupport.h"
#include "platform/gtk/GtkWindowSystem.h"

using platform::PeerEventKind;
using platform::Rect;
using platform::gtk::FormPeer;
using platform::gtk::GtkWindowSystem;

namespace {

class FormPeerTest : public gtktest::DisplayTest {
 protected:
  void SetUp() override {
    gtktest::DisplayTest::SetUp();
    if (IsSkipped()) return;
    system_ = std::make_unique<GtkWindowSystem>();
    form_ = std::make_unique<FormPeer>(*system_, listener_);
  }
  void TearDown() override {
    form_.reset();
    system_.reset();
  }

  GtkAllocation Client() {
    GtkAllocation area;
    gtk_widget_get_allocation(GTK_WIDGET(form_->ChildArea()), &area);
    return area;
  }
  bool ClientIs(int width, int height) {
    return gtktest::RunUntil([&] { return Client().width == width && Client().height == height; });
  }

  gtktest::RecordingListener listener_;
  std::unique_ptr<GtkWindowSystem> system_;
  std::unique_ptr<FormPeer> form_;
};

}  // namespace

TEST_F(FormPeerTest, TheClientAreaIsTheOuterSizeLessTheFrame) {
  form_->SetBounds({50, 60, 400, 300});
  form_->SetVisible(true);
  EXPECT_TRUE(ClientIs(400 - 8, 300 - 34)) << Client().width << " x " << Client().height;
}

TEST_F(FormPeerTest, AMenuBarTakesItsRowFromTheFrameNotFromTheClientArea) {
  form_->SetMenu({{1, "&Soubor", "", -1, true, {{2, "Konec", "F5", -1, true, {}}}}}, {});
  form_->SetBounds({50, 60, 400, 300});
  form_->SetVisible(true);
  EXPECT_TRUE(ClientIs(400 - 8, 300 - 54)) << Client().width << " x " << Client().height;
}

TEST_F(FormPeerTest, AResizeByTheUserIsReportedAsOuterBounds) {
  form_->SetBounds({0, 0, 400, 300});
  form_->SetVisible(true);
  ASSERT_TRUE(ClientIs(392, 266));
  listener_.events.clear();
  gtk_window_resize(form_->Window(), 500, 366);
  ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of(PeerEventKind::Resized).empty(); }));
  const Rect reported = listener_.Of(PeerEventKind::Resized).back().bounds;
  EXPECT_EQ(reported.width, 508);
  EXPECT_EQ(reported.height, 400);
}

TEST_F(FormPeerTest, ClosingAsksTheClassLibraryAndLeavesTheWindowStanding) {
  form_->SetBounds({0, 0, 200, 150});
  form_->SetVisible(true);
  gtktest::Settle();
  gtk_window_close(form_->Window());
  ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of(PeerEventKind::CloseRequest).empty(); }));
  EXPECT_TRUE(gtk_widget_get_visible(form_->Widget()));
}

TEST_F(FormPeerTest, RepaintHandsTheClassLibraryACanvasOfTheClientArea) {
  form_->SetBounds({0, 0, 200, 150});
  form_->SetVisible(true);
  gtktest::Settle();
  listener_.events.clear();
  form_->Repaint();
  const auto paints = listener_.Of(PeerEventKind::Paint);
  ASSERT_FALSE(paints.empty());
  EXPECT_NE(paints.back().canvas, nullptr);
}

TEST_F(FormPeerTest, ChoosingAMenuItemReportsItsCommand) {
  form_->SetMenu({{1, "&Soubor", "", -1, true, {{7, "Konec", "", -1, true, {}}}}, {9, "Konec", "", -1, true, {}}}, {});
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
  const auto commands = listener_.Of(PeerEventKind::MenuCommand);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].index, 9);
  EXPECT_EQ(commands[1].index, 7);
}
