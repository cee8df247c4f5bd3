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

  // Waits for the entry's one report: its text, and the caret with nothing selected.
  void ExpectOneReport(const std::string& text, int caret) {
    ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of<platform::EditChanged>().empty(); }));
    const auto changed = listener_.Of<platform::EditChanged>();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].text, text);
    EXPECT_EQ(changed[0].selStart, caret);
    EXPECT_EQ(changed[0].selLength, 0);
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

TEST_F(EntryPeersTest, TypingAndMovingTheCaretReportTheTextAndWhereTheCaretStands) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetText("ab");
  g_signal_emit_by_name(EntryOf(edit), "insert-at-cursor", "č");
  ExpectOneReport("ab\xE8", 3);

  listener_.events.clear();
  edit.SetText("abcd");
  edit.SetSelection(2, 2);
  g_signal_emit_by_name(EntryOf(edit), "move-cursor", GTK_MOVEMENT_BUFFER_ENDS, 1, FALSE);
  ExpectOneReport("abcd", 4);
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
