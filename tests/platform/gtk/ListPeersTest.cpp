#include <string>
#include <vector>

#include "GtkTestSupport.h"
#include "platform/gtk/CheckListBoxPeer.h"
#include "platform/gtk/ComboBoxPeer.h"
#include "platform/gtk/ListItemsModel.h"
#include "platform/gtk/ShownText.h"

using namespace platform::gtk;

namespace {

// A list as the class library hands it down: 8-bit texts and ticks.
class Entries : public platform::IListItems {
 public:
  explicit Entries(int count) {
    for (int i = 0; i < count; ++i) Add(i, "entry " + std::to_string(i));
  }
  void Add(int index, const std::string& text) {
    texts.insert(texts.begin() + index, text);
    ticks.insert(ticks.begin() + index, false);
  }
  void Remove(int index) {
    texts.erase(texts.begin() + index);
    ticks.erase(ticks.begin() + index);
  }
  int Count() const override { return static_cast<int>(texts.size()); }
  std::string_view Text(int index) const override { return texts.at(index); }
  bool Checked(int index) const override { return ticks.at(index); }

  std::vector<std::string> texts;
  std::vector<bool> ticks;
};

struct Row {
  std::string text;  // UTF-8, as GTK shows it
  bool ticked;
  bool operator==(const Row&) const = default;
};

std::vector<Row> RowsOf(GtkTreeModel* model) {
  std::vector<Row> rows;
  GtkTreeIter iter;
  for (bool more = gtk_tree_model_get_iter_first(model, &iter); more; more = gtk_tree_model_iter_next(model, &iter)) {
    gchar* text = nullptr;
    gboolean ticked = FALSE;
    gtk_tree_model_get(model, &iter, ListItemsModel::kText, &text, ListItemsModel::kChecked, &ticked, -1);
    rows.push_back({text ? text : "", ticked != FALSE});
    g_free(text);
  }
  return rows;
}

// The rows that the entries from top on should fill.
std::vector<Row> Expected(const Entries& entries, int top, int rows) {
  std::vector<Row> expected;
  for (int i = top; i < top + rows && i < entries.Count(); ++i) expected.push_back({entries.texts[i], entries.ticks[i]});
  return expected;
}

// The parts of a list view: the tree view and the scroll bar in its frame.
GtkWidget* Part(GtkWidget* frame, bool scrollBar) {
  GList* parts = gtk_container_get_children(GTK_CONTAINER(gtk_bin_get_child(GTK_BIN(frame))));
  auto* part = static_cast<GtkWidget*>(scrollBar ? g_list_last(parts)->data : parts->data);
  g_list_free(parts);
  return part;
}

GtkTreeView* ViewIn(GtkWidget* frame) { return GTK_TREE_VIEW(Part(frame, false)); }

int RowTop(GtkTreeView* view, int row) {
  GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
  GdkRectangle area;
  gtk_tree_view_get_background_area(view, path, nullptr, &area);
  gtk_tree_path_free(path);
  return area.y;
}

int Highlighted(GtkTreeView* view) {
  GtkTreeIter iter;
  if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(view), nullptr, &iter)) return -1;
  GtkTreePath* path = gtk_tree_model_get_path(gtk_tree_view_get_model(view), &iter);
  const int row = gtk_tree_path_get_indices(path)[0];
  gtk_tree_path_free(path);
  return row;
}

TEST(ListItemsModelTest, RowsReadTheirEntriesInPlaceAsUtf8CutToTheShownLength) {
  Entries entries(0);
  entries.Add(0, "p\xF8\xEDli\x9A");  // "příliš" in Windows-1250
  entries.Add(1, std::string(3 * kShownInRow, '\x9A'));
  entries.Add(2, "last");
  entries.ticks[2] = true;
  ListItemsModel model;
  model.SetItems(entries);
  model.Show(0, 3);
  const std::vector<Row> rows = RowsOf(model.Model());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (Row{"příliš", false}));
  EXPECT_EQ(g_utf8_strlen(rows[1].text.c_str(), -1), static_cast<long>(kShownInRow));
  EXPECT_EQ(rows[2], (Row{"last", true}));

  entries.Remove(2);  // gone before the model hears of it: the row reads empty
  EXPECT_EQ(RowsOf(model.Model())[2], (Row{"", false}));

  GtkTreeIter stale;
  gtk_tree_model_get_iter_first(model.Model(), &stale);
  model.Show(1, 1);
  EXPECT_FALSE(gtk_tree_model_iter_next(model.Model(), &stale)) << "an iterator from before a change leads nowhere";
}

TEST(ListItemsModelTest, MovingTheWindowReportsEachRowOnce) {
  struct Case {
    int fromTop, fromRows, toTop, toRows;
    int changed, inserted, deleted;
  };
  const Case cases[] = {
      {0, 0, 0, 5, 0, 5, 0},      // a list appears
      {0, 5, 3, 5, 5, 0, 0},      // scrolled
      {0, 5, 10, 2, 2, 0, 3},     // scrolled to the end of a shorter list
      {0, 2, 0, 6, 2, 4, 0},      // the view grew
      {4, 3, 0, 0, 0, 0, 3},      // emptied
  };
  Entries entries(20);
  for (const Case& c : cases) {
    ListItemsModel model;
    model.SetItems(entries);
    model.Show(c.fromTop, c.fromRows);
    int changed = 0, inserted = 0, deleted = 0;
    g_signal_connect_swapped(model.Model(), "row-changed", G_CALLBACK(+[](int* n) { ++*n; }), &changed);
    g_signal_connect_swapped(model.Model(), "row-inserted", G_CALLBACK(+[](int* n) { ++*n; }), &inserted);
    g_signal_connect_swapped(model.Model(), "row-deleted", G_CALLBACK(+[](int* n) { ++*n; }), &deleted);
    model.Show(c.toTop, c.toRows);
    EXPECT_EQ(changed, c.changed) << c.fromTop << "+" << c.fromRows << " to " << c.toTop << "+" << c.toRows;
    EXPECT_EQ(inserted, c.inserted) << c.fromTop << "+" << c.fromRows << " to " << c.toTop << "+" << c.toRows;
    EXPECT_EQ(deleted, c.deleted) << c.fromTop << "+" << c.fromRows << " to " << c.toTop << "+" << c.toRows;
    EXPECT_EQ(RowsOf(model.Model()), Expected(entries, c.toTop, c.toRows));
  }
}

// A check-list box 100 pixels high: a frame around 7 rows of 13 pixels.
class CheckListBoxPeerTest : public gtktest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    list_ = &Make<CheckListBoxPeer>({10, 10, 150, 100});
    list_->SetItemHeight(13);
  }
  GtkTreeView* View() const { return ViewIn(list_->Widget()); }
  std::vector<Row> Shown() const { return RowsOf(gtk_tree_view_get_model(View())); }
  int Top() const { return static_cast<int>(gtk_range_get_value(GTK_RANGE(Part(list_->Widget(), true)))); }
  std::vector<int> Selections() const {
    std::vector<int> indexes;
    for (const auto& e : listener_.Of<platform::ItemSelected>()) indexes.push_back(e.index);
    return indexes;
  }

  static constexpr int kRows = 7;
  CheckListBoxPeer* list_ = nullptr;
};

TEST_F(CheckListBoxPeerTest, RowsAreTheItemHeightApartAndAsManyAsFitWhole) {
  Entries few(3);
  list_->SetItems(few);
  gtktest::Settle();
  EXPECT_EQ(Shown(), Expected(few, 0, 3));
  EXPECT_FALSE(gtk_widget_get_visible(Part(list_->Widget(), true))) << "no scroll bar for a short list";
  EXPECT_EQ(RowTop(View(), 1) - RowTop(View(), 0), 13);
  EXPECT_EQ(RowTop(View(), 2) - RowTop(View(), 1), 13);

  Entries many(1'000'000);
  list_->SetItems(many);
  gtktest::Settle();
  EXPECT_EQ(Shown(), Expected(many, 0, kRows));
  EXPECT_TRUE(gtk_widget_get_visible(Part(list_->Widget(), true)));
}

TEST_F(CheckListBoxPeerTest, TheRowsFollowEveryChangeOfTheEntries) {
  Entries entries(20);
  list_->SetItems(entries);
  list_->SetItemIndex(12);  // scrolled down to it: rows show 6 to 12
  struct Step {
    const char* what;
    std::function<void()> change;
  };
  const Step steps[] = {
      {"an entry added in view", [&] { entries.Add(8, "new"); list_->ItemInserted(8); }},
      {"an entry added above the view", [&] { entries.Add(0, "first"); list_->ItemInserted(0); }},
      {"an entry deleted in view", [&] { entries.Remove(9); list_->ItemDeleted(9); }},
      {"a tick", [&] { entries.ticks[10] = true; list_->TickChanged(10); }},
      {"the last entries deleted", [&] { for (int i = entries.Count() - 1; i >= 3; --i) { entries.Remove(i); list_->ItemDeleted(i); } }},
      {"a new list", [&] { entries = Entries(9); list_->SetItems(entries); }},
  };
  int told = 0;  // rows GTK heard changed, came or went, and redraws
  for (const char* signal : {"row-changed", "row-inserted", "row-deleted"})
    g_signal_connect_swapped(gtk_tree_view_get_model(View()), signal, G_CALLBACK(+[](int* n) { ++*n; }), &told);
  for (const Step& step : steps) {
    told = 0;
    step.change();
    gtktest::Settle();
    EXPECT_EQ(Shown(), Expected(entries, Top(), kRows)) << step.what;
    EXPECT_GT(told, 0) << step.what;
  }
  EXPECT_TRUE(Selections().empty()) << "changes by the class library are not reported back";
}

TEST_F(CheckListBoxPeerTest, AClickOnATickAsksForTheOppositeTickWhichShowsOnlyWhenSet) {
  Entries entries(30);
  entries.ticks[21] = true;
  list_->SetItems(entries);
  list_->SetItemIndex(25);  // rows show 19 to 25
  GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(gtk_tree_view_get_column(View(), 0)));
  GtkCellRenderer* toggle = GTK_CELL_RENDERER(cells->data);
  g_list_free(cells);
  g_signal_emit_by_name(toggle, "toggled", "2");
  g_signal_emit_by_name(toggle, "toggled", "3");
  const auto asked = listener_.Of<platform::ItemChecked>();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].index, 21);
  EXPECT_FALSE(asked[0].checked);
  EXPECT_EQ(asked[1].index, 22);
  EXPECT_TRUE(asked[1].checked);
  EXPECT_FALSE(Shown()[3].ticked);
  entries.ticks[22] = true;
  list_->TickChanged(22);
  EXPECT_TRUE(Shown()[3].ticked);
}

TEST_F(CheckListBoxPeerTest, AListGivenItsEntriesBeforeItWasEverShownShowsThemWhenItComesOn) {
  CheckListBoxPeer hidden(*system_, form_.get(), listener_);
  hidden.SetVisible(false);
  hidden.SetBounds({170, 10, 150, 100});
  hidden.SetItemHeight(13);
  Entries entries(20);
  hidden.SetItems(entries);
  hidden.SetItemIndex(12);
  gtktest::Settle();
  hidden.SetVisible(true);
  gtktest::Settle();
  GtkTreeView* view = ViewIn(hidden.Widget());
  const int top = static_cast<int>(gtk_range_get_value(GTK_RANGE(Part(hidden.Widget(), true))));
  EXPECT_EQ(RowsOf(gtk_tree_view_get_model(view)), Expected(entries, top, kRows));
  EXPECT_TRUE(top <= 12 && 12 < top + kRows) << "the highlighted entry in view, from row " << top;
  EXPECT_EQ(Highlighted(view), 12 - top);
  EXPECT_TRUE(gtk_widget_get_visible(Part(hidden.Widget(), true)));
}

TEST_F(CheckListBoxPeerTest, KeysMoveTheHighlightThroughTheWholeListAndReportIt) {
  Entries entries(100);
  list_->SetItems(entries);
  list_->SetItemIndex(50);
  gtktest::Settle();
  EXPECT_EQ(Highlighted(View()), 50 - Top());
  EXPECT_TRUE(Selections().empty());
  struct Press {
    guint key;
    int highlighted;
  };
  const Press presses[] = {
      {GDK_KEY_Down, 51}, {GDK_KEY_Up, 50},   {GDK_KEY_Page_Down, 56}, {GDK_KEY_Page_Up, 50},
      {GDK_KEY_End, 99},  {GDK_KEY_Down, 99}, {GDK_KEY_Home, 0},       {GDK_KEY_Up, 0},
  };
  std::vector<int> expected;
  for (const Press& press : presses) {
    gtktest::PressKey(GTK_WIDGET(View()), press.key);
    expected.push_back(press.highlighted);
    const int top = Top();
    EXPECT_TRUE(press.highlighted >= top && press.highlighted < top + kRows) << "scrolled into view";
    EXPECT_EQ(Highlighted(View()), press.highlighted - top);
  }
  EXPECT_EQ(Selections(), expected);
}

// An address box with a list of 100 entries.
class ComboBoxPeerTest : public gtktest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (IsSkipped()) return;
    // The list highlights what the pointer rests on: keep it away.
    GdkDisplay* display = gdk_display_get_default();
    GdkRectangle screen;
    gdk_monitor_get_geometry(gdk_display_get_monitor(display, 0), &screen);
    gdk_device_warp(gdk_seat_get_pointer(gdk_display_get_default_seat(display)), gdk_display_get_default_screen(display),
                    screen.width - 1, screen.height - 1);
    combo_ = &Make<ComboBoxPeer>({10, 10, 200, 21});
    combo_->SetDropDownCount(8);
    combo_->SetItemHeight(13);
    combo_->SetItems(entries_);
  }
  GtkWidget* Part(bool arrow) const {
    GList* parts = gtk_container_get_children(GTK_CONTAINER(combo_->Widget()));
    auto* part = static_cast<GtkWidget*>(arrow ? g_list_last(parts)->data : parts->data);
    g_list_free(parts);
    return part;
  }
  // The drop-down list's window, when it is shown.
  GtkWidget* Shown() const {
    GtkWidget* shown = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next)
      if (gtk_window_get_window_type(GTK_WINDOW(w->data)) == GTK_WINDOW_POPUP && gtk_widget_get_visible(GTK_WIDGET(w->data)))
        shown = GTK_WIDGET(w->data);
    g_list_free(windows);
    return shown;
  }
  GtkTreeView* ShownList() const { return ViewIn(gtk_bin_get_child(GTK_BIN(Shown()))); }
  void PressArrow() {
    GdkEvent* press = gdk_event_new(GDK_BUTTON_PRESS);
    press->button.button = 1;
    press->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Part(true))));
    gboolean handled = FALSE;
    g_signal_emit_by_name(Part(true), "button-press-event", press, &handled);
    gdk_event_free(press);
    gtktest::Settle();
  }
  std::vector<bool> DropDowns() const {
    std::vector<bool> opened;
    for (const auto& e : listener_.Of<platform::DropDown>()) opened.push_back(e.open);
    return opened;
  }

  Entries entries_{100};
  ComboBoxPeer* combo_ = nullptr;
};

TEST_F(ComboBoxPeerTest, TheListShowsTheDropDownCountOfRowsAndAShortListWhole) {
  PressArrow();
  ASSERT_NE(Shown(), nullptr);
  EXPECT_EQ(DropDowns(), std::vector<bool>{true});
  EXPECT_EQ(RowsOf(gtk_tree_view_get_model(ShownList())), Expected(entries_, 0, 8));
  EXPECT_EQ(gtk_widget_get_allocated_height(GTK_WIDGET(ShownList())), 8 * 13);
  EXPECT_EQ(Highlighted(ShownList()), -1) << "nothing is highlighted before the user moves";
  gtktest::PressKey(Shown(), GDK_KEY_Escape);
  EXPECT_EQ(Shown(), nullptr);

  Entries three(3);
  combo_->SetItems(three);
  combo_->SetDroppedDown(true);
  gtktest::Settle();
  ASSERT_NE(Shown(), nullptr);
  EXPECT_EQ(RowsOf(gtk_tree_view_get_model(ShownList())), Expected(three, 0, 3));
  EXPECT_EQ(gtk_widget_get_allocated_height(GTK_WIDGET(ShownList())), 3 * 13);
  combo_->SetDroppedDown(false);
  gtktest::Settle();
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(DropDowns(), (std::vector<bool>{true, false})) << "the class library's own changes are not reported";
}

TEST_F(ComboBoxPeerTest, EnterChoosesTheHighlightedEntryAndEscChoosesNothing) {
  combo_->SetText("typed");
  combo_->SetItemIndex(40);
  PressArrow();
  gtktest::PressKey(Shown(), GDK_KEY_Escape);
  PressArrow();
  gtktest::PressKey(Shown(), GDK_KEY_Down);
  gtktest::PressKey(Shown(), GDK_KEY_Page_Down);
  gtktest::PressKey(Shown(), GDK_KEY_Return);
  EXPECT_EQ(Shown(), nullptr);
  const auto chosen = listener_.Of<platform::ItemSelected>();
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].index, 48);
  EXPECT_EQ(DropDowns(), (std::vector<bool>{true, false, true, false}));
  EXPECT_STREQ(gtk_entry_get_text(GTK_ENTRY(Part(false))), "typed") << "the class library sets the text";
  for (const auto& reported : listener_.Of<platform::EditChanged>()) EXPECT_EQ(reported.text, "typed");
}

TEST_F(ComboBoxPeerTest, AltDownInTheBoxOpensTheListAndAltUpClosesIt) {
  gtk_widget_grab_focus(Part(false));
  gtktest::PressKey(Part(false), GDK_KEY_Down, GDK_MOD1_MASK);
  ASSERT_NE(Shown(), nullptr);
  gtktest::PressKey(Shown(), GDK_KEY_Up, GDK_MOD1_MASK);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(DropDowns(), (std::vector<bool>{true, false}));
}

}  // namespace
