#include "GtkTestSupport.h"
#include "platform/gtk/CheckListBoxPeer.h"
#include "platform/gtk/ComboBoxPeer.h"
#include "platform/gtk/EditPeer.h"

using platform::PeerEventKind;
using namespace platform::gtk;

namespace {

// A shown window with one control on it.
class EntryPeersTest : public gtktest::WindowTest {
 protected:
  template <class Peer>
  Peer& Make() {
    return WindowTest::Make<Peer>({10, 10, 200, 100});
  }

  // A key pressed in the window, as the X server would deliver it.
  void Press(guint keyval) {
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(form_->Widget())));
    event->key.keyval = keyval;
    event->key.string = g_strdup("");
    GdkKeymapKey* keys = nullptr;
    gint count = 0;
    if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()), keyval, &keys,
                                          &count) && count > 0)
      event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
    g_free(keys);
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(form_->Widget(), event);
    gdk_event_free(event);
    gtktest::Settle();
  }
};

GtkEntry* EntryOf(GtkPeer& peer) {
  GtkWidget* widget = peer.Widget();
  return GTK_ENTRY(GTK_IS_ENTRY(widget) ? widget : gtk_bin_get_child(GTK_BIN(widget)));
}

}  // namespace

TEST_F(EntryPeersTest, TextFromTheClassLibraryIsShownButNotReportedBack) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetText("p\xF8\xEDli\x9A");  // "příliš" in Windows-1250
  edit.SetSelection(1, 2);
  gtktest::Settle();
  EXPECT_STREQ(gtk_entry_get_text(EntryOf(edit)), "příliš");
  EXPECT_TRUE(listener_.Of(PeerEventKind::TextChanged).empty());
}

TEST_F(EntryPeersTest, TypingReportsTheTextAndTheCaretAfterIt) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetText("ab");
  g_signal_emit_by_name(EntryOf(edit), "insert-at-cursor", "č");
  ASSERT_TRUE(gtktest::RunUntil([&] { return !listener_.Of(PeerEventKind::TextChanged).empty(); }));
  const auto changed = listener_.Of(PeerEventKind::TextChanged);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].text, "ab\xE8");
  EXPECT_EQ(changed[0].selStart, 3);
  EXPECT_EQ(changed[0].selLength, 0);
}

TEST_F(EntryPeersTest, AKeyTheClassLibraryUsesNeverReachesTheFocusedEntry) {
  EditPeer& edit = Make<EditPeer>();
  edit.SetFocus();
  edit.SetText("ab");
  Press(GDK_KEY_BackSpace);
  ASSERT_FALSE(formListener_.Of(PeerEventKind::KeyDown).empty());
  EXPECT_EQ(formListener_.Of(PeerEventKind::KeyDown).back().key, VK_BACK);
  EXPECT_STREQ(gtk_entry_get_text(EntryOf(edit)), "ab");
}

TEST_F(EntryPeersTest, TheComboKeepsItsTextWhenTheClassLibrarySetsTheList) {
  ComboBoxPeer& combo = Make<ComboBoxPeer>();
  combo.SetText("se");
  combo.SetItems({"seznam.cz", "centrum.cz"});
  combo.InsertItem(0, "atlas.cz");
  combo.SetItemIndex(1);
  combo.DeleteItem(2);
  gtktest::Settle();
  EXPECT_STREQ(gtk_entry_get_text(EntryOf(combo)), "se");
  EXPECT_TRUE(listener_.Of(PeerEventKind::TextChanged).empty());
  EXPECT_TRUE(listener_.Of(PeerEventKind::ItemSelected).empty());
}

TEST_F(EntryPeersTest, ChoosingFromTheComboListReportsTheIndex) {
  ComboBoxPeer& combo = Make<ComboBoxPeer>();
  combo.SetItems({"seznam.cz", "centrum.cz"});
  gtk_combo_box_set_active(GTK_COMBO_BOX(combo.Widget()), 1);
  gtktest::Settle();
  const auto selected = listener_.Of(PeerEventKind::ItemSelected);
  ASSERT_EQ(selected.size(), 1u);
  EXPECT_EQ(selected[0].index, 1);
}

TEST_F(EntryPeersTest, ATickIsAskedForAndShownOnlyWhenTheClassLibrarySetsIt) {
  CheckListBoxPeer& list = Make<CheckListBoxPeer>();
  list.SetItems({"a", "b"});
  GtkWidget* view = gtk_bin_get_child(GTK_BIN(list.Widget()));
  GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(gtk_tree_view_get_column(GTK_TREE_VIEW(view), 0)));
  GtkCellRenderer* toggle = GTK_CELL_RENDERER(cells->data);
  g_list_free(cells);
  g_signal_emit_by_name(toggle, "toggled", "1");
  auto checked = listener_.Of(PeerEventKind::ItemChecked);
  ASSERT_EQ(checked.size(), 1u);
  EXPECT_EQ(checked[0].index, 1);
  EXPECT_TRUE(checked[0].checked);
  list.SetItemChecked(1, true);
  g_signal_emit_by_name(toggle, "toggled", "1");
  checked = listener_.Of(PeerEventKind::ItemChecked);
  ASSERT_EQ(checked.size(), 2u);
  EXPECT_FALSE(checked[1].checked);
}
