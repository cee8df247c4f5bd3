#include "GtkTestSupport.h"
#include "platform/gtk/EditPeer.h"
#include "platform/gtk/ShownText.h"

using namespace platform::gtk;

namespace {

// A shown window with one control on it.
class EntryPeersTest : public gtktest::WindowTest {
 protected:
  template <class Peer>
  Peer& Make() {
    return WindowTest::Make<Peer>({10, 10, 200, 100});
  }
};

GtkEntry* EntryOf(GtkPeer& peer) { return GTK_ENTRY(peer.Widget()); }

}  // namespace

TEST_F(EntryPeersTest, TextFromTheClassLibraryIsShownButNotReportedBack) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetText("p\xF8\xEDli\x9A");  // "příliš" in Windows-1250
  edit.SetSelection(1, 2);
  gtktest::Settle();
  EXPECT_STREQ(gtk_entry_get_text(EntryOf(edit)), "příliš");
  EXPECT_TRUE(listener_.Of<platform::EditChanged>().empty());
}

TEST_F(EntryPeersTest, AHugeTextIsShownCutToWhatABoxHolds) {
  EditPeer& edit = Make<EditPeer>();
  const std::string huge = "http://x.test/" + std::string(3 * kShownInEntry, 'x');
  edit.SetText(huge);
  edit.SetSelection(14, static_cast<int>(huge.size()) - 14);
  gtktest::Settle();
  EXPECT_EQ(gtk_entry_get_text_length(EntryOf(edit)), kShownInEntry);
  int start = 0;
  int end = 0;
  ASSERT_TRUE(gtk_editable_get_selection_bounds(GTK_EDITABLE(EntryOf(edit)), &start, &end));
  EXPECT_EQ(start, 14);
  EXPECT_EQ(end, static_cast<int>(kShownInEntry));
  EXPECT_TRUE(listener_.Of<platform::EditChanged>().empty());
}

TEST_F(EntryPeersTest, TypingReportsTheTextAndTheCaretAfterIt) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetText("ab");
  g_signal_emit_by_name(EntryOf(edit), "insert-at-cursor", "č");
  ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of<platform::EditChanged>().empty(); }));
  const auto changed = listener_.Of<platform::EditChanged>();
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].text, "ab\xE8");
  EXPECT_EQ(changed[0].selStart, 3);
  EXPECT_EQ(changed[0].selLength, 0);
}

TEST_F(EntryPeersTest, MovingTheCaretReportsWhereItStands) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetText("abcd");
  edit.SetSelection(2, 2);
  g_signal_emit_by_name(EntryOf(edit), "move-cursor", GTK_MOVEMENT_BUFFER_ENDS, 1, FALSE);
  ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of<platform::EditChanged>().empty(); }));
  const auto moved = listener_.Of<platform::EditChanged>();
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_EQ(moved[0].text, "abcd");
  EXPECT_EQ(moved[0].selStart, 4);
  EXPECT_EQ(moved[0].selLength, 0);
}

TEST_F(EntryPeersTest, AKeyTheClassLibraryUsesNeverReachesTheFocusedEntry) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetFocus();
  edit.SetText("ab");
  gtktest::PressKey(form_->Widget(), GDK_KEY_BackSpace);
  ASSERT_FALSE(formListener_.Of<platform::KeyDown>().empty());
  EXPECT_EQ(formListener_.Of<platform::KeyDown>().back().key, VK_BACK);
  EXPECT_STREQ(gtk_entry_get_text(EntryOf(edit)), "ab");
}
