#include "rtl/TStringList.h"

#include <gtest/gtest.h>

#include <vector>

#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"
#include "support/MessageOf.h"

namespace {

// Each entry with its object, as "text=object".
std::vector<std::string> Pairs(const TStringList& list) {
  std::vector<std::string> pairs;
  for (int i = 0; i < list.Count(); ++i) pairs.push_back(list[i] + "=" + std::to_string(list.Objects(i)));
  return pairs;
}

}  // namespace

TEST(TStringList, SortedListInsertsAfterEqualEntries) {
  TStringList list;
  list.SetSorted(true);
  EXPECT_EQ(list.AddObject("b", 1), 0);
  EXPECT_EQ(list.AddObject("a", 2), 0);
  EXPECT_EQ(list.AddObject("c", 3), 2);
  EXPECT_EQ(list.AddObject("b", 4), 2);
  EXPECT_EQ(Pairs(list), (std::vector<std::string>{"a=2", "b=1", "b=4", "c=3"}));
  EXPECT_EQ(list.IndexOf("b"), 1);
  EXPECT_EQ(list.IndexOf("B"), -1);
  EXPECT_EQ(MessageOf<EListError>([&] { list.Insert(0, "z"); }), "Operation not allowed on sorted list");

  list.SetCompare(AnsiCompareText);
  EXPECT_EQ(list.IndexOf("B"), 1);
  EXPECT_EQ(list.Add("B"), 3);
  list.SetSorted(false);
  EXPECT_EQ(list.Add("a"), 5);
}

TEST(TStringList, SortingCarriesObjectsAndKeepsEqualEntriesInOrder) {
  TStringList list;
  const std::vector<std::string> words = {"b", "A", "\xE8", "a", "B", "\xC8"};  // č, Č last
  for (std::size_t i = 0; i < words.size(); ++i) list.AddObject(words[i], static_cast<std::intptr_t>(i));
  list.SetCompare(AnsiCompareText);
  list.SetSorted(true);
  EXPECT_EQ(Pairs(list), (std::vector<std::string>{"A=1", "a=3", "b=0", "B=4", "\xE8=2", "\xC8=5"}));
  list.SetCompare(nullptr);  // back to byte order, re-sorted
  EXPECT_EQ(Pairs(list), (std::vector<std::string>{"A=1", "B=4", "a=3", "b=0", "\xC8=5", "\xE8=2"}));

  // Enough entries that an unstable sort would show.
  TStringList many;
  for (int i = 0; i < 300; ++i) many.AddObject(words[i % words.size()], i);
  many.SetCompare(AnsiCompareText);
  many.SetSorted(true);
  for (int i = 1; i < many.Count(); ++i) {
    EXPECT_EQ(many[i], words[many.Objects(i) % words.size()]);
    const int order = AnsiCompareText(many[i - 1], many[i]);
    EXPECT_TRUE(order < 0 || (order == 0 && many.Objects(i - 1) < many.Objects(i))) << i;
  }
}

TEST(TStringList, EditingKeepsEntriesOfAnyBytesAndTheirObjectsTogether) {
  const std::string bytes("\0a\xFF\r\n", 5), large(100000, 'q');
  TStringList list;
  list.AddObject(large, 1);
  list.AddObject("three", 3);
  list.Insert(1, bytes);
  list.SetObject(1, 2);
  list.Insert(3, "");
  list.Delete(0);
  EXPECT_EQ(Pairs(list), (std::vector<std::string>{bytes + "=2", "three=3", "=0"}));
  EXPECT_EQ(list.IndexOf(""), 2);
  EXPECT_EQ(MessageOf<EListError>([&] { list.Get(3); }), "List index out of bounds (3)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Delete(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.Insert(4, "x"); }), "List index out of bounds (4)");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(TStringList, DeletingManyAtOnceKeepsTheRestInOrderWithTheirObjects) {
  TStringList list;
  for (int i = 0; i < 8; ++i) list.AddObject(std::string(1, static_cast<char>('a' + i)), i);
  list.DeleteIndices({0, 3, 4, 7});
  EXPECT_EQ(Pairs(list), (std::vector<std::string>{"b=1", "c=2", "f=5", "g=6"}));
  list.DeleteIndices({});
  EXPECT_EQ(list.Count(), 4);

  // A bad index list changes nothing.
  EXPECT_EQ(MessageOf<EListError>([&] { list.DeleteIndices({1, 4}); }), "List index out of bounds (4)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.DeleteIndices({2, 1}); }), "List indices out of order (1)");
  EXPECT_EQ(MessageOf<EListError>([&] { list.DeleteIndices({1, 1}); }), "List indices out of order (1)");
  EXPECT_EQ(Pairs(list), (std::vector<std::string>{"b=1", "c=2", "f=5", "g=6"}));
}
