#include "platform/gtk/GtkWindowSystem.h"

#include <gtk/gtkunixprint.h>

#include <string>
#include <utility>

#include "GtkTestSupport.h"

using platform::gtk::GtkWindowSystem;

class GtkWindowSystemTest : public gtktest::DisplayTest {};

namespace {

// Answers the page set-up dialog as a user would, once it shows.
gboolean AnswerPageSetup(gpointer response) {
  GList* windows = gtk_window_list_toplevels();
  GtkWidget* dialog = nullptr;
  for (GList* w = windows; w; w = w->next)
    if (GTK_IS_PAGE_SETUP_UNIX_DIALOG(w->data) && gtk_widget_get_visible(GTK_WIDGET(w->data)))
      dialog = GTK_WIDGET(w->data);
  g_list_free(windows);
  if (!dialog) return G_SOURCE_CONTINUE;
  gtk_dialog_response(GTK_DIALOG(dialog), GPOINTER_TO_INT(response));
  return G_SOURCE_REMOVE;
}

}  // namespace

TEST_F(GtkWindowSystemTest, PostedWorkRunsFromTheLoopInOrder) {
  GtkWindowSystem system;
  std::string order;
  system.Post([&] { order += 'a'; });
  system.Post([&] { order += 'b'; });
  EXPECT_EQ(order, "");
  system.RunLoop([&] { return order.size() == 2; });
  EXPECT_EQ(order, "ab");
}

TEST_F(GtkWindowSystemTest, ALoopInsideALoopEndsOnItsOwnCondition) {
  GtkWindowSystem system;
  bool innerDone = false;
  bool outerDone = false;
  std::string trace;
  system.Post([&] {
    system.Post([&] { innerDone = true; });
    system.RunLoop([&] { return innerDone; });
    trace += "inner ended;";
    system.Post([&] { outerDone = true; });
  });
  system.RunLoop([&] { return outerDone; });
  EXPECT_EQ(trace, "inner ended;");
}

TEST_F(GtkWindowSystemTest, ProcessMessagesRunsWhatIsQueuedWithoutWaiting) {
  GtkWindowSystem system;
  int runs = 0;
  system.Post([&] { ++runs; });
  system.ProcessMessages();
  EXPECT_EQ(runs, 1);
  system.ProcessMessages();
  EXPECT_EQ(runs, 1);
}

TEST_F(GtkWindowSystemTest, TimersTickUntilStopped) {
  GtkWindowSystem system;
  int ticks = 0;
  int id = 0;
  id = system.StartTimer(5, [&] {
    if (++ticks == 3) system.StopTimer(id);
  });
  ASSERT_NE(id, 0);
  system.RunLoop([&] { return ticks == 3; });
  gtktest::Settle();
  EXPECT_EQ(ticks, 3);
}

TEST_F(GtkWindowSystemTest, TheWorkAreaLiesOnTheScreen) {
  GtkWindowSystem system;
  const platform::Rect area = system.WorkArea();
  EXPECT_GT(area.width, 0);
  EXPECT_GT(area.height, 0);
  EXPECT_GE(area.left, 0);
}

TEST_F(GtkWindowSystemTest, ThePrinterSetUpAnswersWhetherTheUserConfirmedIt) {
  GtkWindowSystem system;
  for (const auto& [response, confirmed] :
       {std::pair{GTK_RESPONSE_OK, true}, {GTK_RESPONSE_CANCEL, false}, {GTK_RESPONSE_DELETE_EVENT, false}}) {
    g_idle_add(AnswerPageSetup, GINT_TO_POINTER(response));
    EXPECT_EQ(system.RunPrinterSetup(), confirmed) << response;
  }
}
