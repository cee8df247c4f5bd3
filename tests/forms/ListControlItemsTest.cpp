#include <gtest/gtest.h>

#include <functional>

#include "forms/TestWindow.h"
#include "rtl/Exceptions.h"
#include "support/TempDir.h"

namespace {

using Strings = std::vector<std::string>;

class ListControlItems : public FormsTest {
 protected:
  TCheckListBox& List() { return *window->List; }
  TListControlItems& Items() { return *List().Items(); }
  platform::headless::HeadlessPeer& Shown() { return PeerOf(window->List); }
  Strings Entries() {
    Strings entries;
    for (int i = 0; i < Items().Count(); ++i) entries.push_back(Items().Get(i));
    return entries;
  }
  std::vector<bool> Ticks() {
    std::vector<bool> ticks;
    for (int i = 0; i < Items().Count(); ++i) ticks.push_back(List().Checked(i));
    return ticks;
  }
};

// The peer is told each change on its own; only a load or a new order is
// shown anew as a whole.
TEST_F(ListControlItems, ThePeerShowsExactlyTheEntriesTicksAndSelectionAfterEveryChange) {
  const TempDir dir;
  dir.Write("list.kln", "d\r\nb\r\nc\r\na\r\n");
  struct Step {
    const char* what;
    std::function<void()> change;
    int wholeRedraws;
  };
  const Step steps[] = {
      {"load", [&] { Items().LoadFromFile(dir.File("list.kln")); }, 1},
      {"add", [&] { Items().Add("e"); }, 0},
      {"tick", [&] { List().SetChecked(1, true); List().SetChecked(4, true); }, 0},
      {"select", [&] { List().SetItemIndex(3); }, 0},
      {"delete above the selection", [&] { Items().Delete(0); }, 0},
      {"untick", [&] { List().SetChecked(0, false); }, 0},
      {"sort", [&] { List().SetSorted(true); }, 1},
      {"add into the sorted list", [&] { Items().Add("aa"); }, 0},
      {"delete the selection", [&] { Items().Delete(List().ItemIndex()); }, 0},
      {"delete the ticked around the selection",
       [&] {
         Items().Add("f");
         List().SetChecked(0, true);
         List().SetChecked(Items().Count() - 1, true);
         List().SetItemIndex(2);
         Items().DeleteTicked();
       },
       0},
      {"load again", [&] { Items().LoadFromFile(dir.File("list.kln")); }, 1},
      {"clear", [&] { Items().Clear(); }, 1},
  };
  for (const Step& step : steps) {
    const int redraws = Shown().itemRedraws;
    step.change();
    EXPECT_EQ(Shown().items, Entries()) << step.what;
    EXPECT_EQ(Shown().checked, Ticks()) << step.what;
    EXPECT_EQ(Shown().itemIndex, List().ItemIndex()) << step.what;
    EXPECT_EQ(Shown().itemRedraws - redraws, step.wholeRedraws) << step.what;
  }
}

// A sorted list places the whole file at once: each line ends where adding
// them one by one would put it, after the entries it sorts equal with.
TEST_F(ListControlItems, ASortedListLoadsEachLineIntoItsPlaceEvenWhenALineIsRefused) {
  const TempDir dir;
  dir.Write("list.kln", "b2\r\na1\r\nc1\r\nb1\r\na2\r\n");
  List().SetSorted(true);
  List().Items()->SetCompare([](const AnsiString& a, const AnsiString& b) { return a.compare(0, 1, b, 0, 1); });

  Items().LoadFromFile(dir.File("list.kln"));
  EXPECT_EQ(Entries(), (Strings{"a1", "a2", "b2", "b1", "c1"}));
  EXPECT_EQ(Shown().items, Entries());

  Shown().refuseItemsFrom = 3;
  EXPECT_THROW(Items().LoadFromFile(dir.File("list.kln")), EOutOfResources);
  EXPECT_EQ(Entries(), (Strings{"a1", "b2", "c1"}));
  EXPECT_TRUE(List().Sorted());
  Shown().refuseItemsFrom = -1;
  Items().Add("a0");
  EXPECT_EQ(Entries(), (Strings{"a1", "a0", "b2", "c1"}));
  EXPECT_EQ(Shown().items, Entries());
}

std::function<void(TListControlItems&)> DeleteTicked(std::vector<int> ticked) {
  return [ticked](TListControlItems& items) {
    for (int index : ticked) items.SetChecked(index, true);
    items.DeleteTicked();
  };
}

TEST_F(ListControlItems, TheSelectionStaysWithItsEntryWhileOthersComeAndGo) {
  struct Case {
    const char* what;
    bool sorted;
    int selected;
    std::function<void(TListControlItems&)> change;
    int expected;
  };
  const Case cases[] = {
      {"an entry above goes", false, 2, [](TListControlItems& items) { items.Delete(0); }, 1},
      {"two entries above go", false, 3, [](TListControlItems& items) { items.Delete(2); items.Delete(1); }, 1},
      {"an entry below goes", false, 2, [](TListControlItems& items) { items.Delete(3); }, 2},
      {"the selected entry goes", false, 2, [](TListControlItems& items) { items.Delete(2); }, -1},
      {"ticked entries above and below go", false, 2, DeleteTicked({0, 1, 4}), 0},
      {"the ticked selected entry goes", false, 2, DeleteTicked({2, 3}), -1},
      {"nothing is ticked", false, 2, DeleteTicked({}), 2},
      {"an entry is added at the end", false, 2, [](TListControlItems& items) { items.Add("zz"); }, 2},
      {"an entry sorts in above", true, 2, [](TListControlItems& items) { items.Add("a0"); }, 3},
      {"an entry sorts in below", true, 2, [](TListControlItems& items) { items.Add("zz"); }, 2},
      {"the list is emptied", false, 2, [](TListControlItems& items) { items.Clear(); }, -1},
  };
  for (const Case& c : cases) {
    Items().Clear();
    List().SetSorted(false);
    for (const char* s : {"a", "b", "c", "d", "e"}) Items().Add(s);
    List().SetSorted(c.sorted);
    List().SetItemIndex(c.selected);
    c.change(Items());
    EXPECT_EQ(List().ItemIndex(), c.expected) << c.what;
    EXPECT_EQ(Shown().itemIndex, c.expected) << c.what;
  }
}

}  // namespace
