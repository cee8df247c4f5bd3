#include "rtl/TStrings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <vector>

#include "rtl/CurrentDirGuard.h"
#include "rtl/Exceptions.h"
#include "rtl/MessageOf.h"
#include "rtl/TStringList.h"
#include "rtl/TempDir.h"

namespace {

using Lines = std::vector<AnsiString>;

Lines Entries(const TStrings& list) {
  Lines lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

// Stands in for a list control: it records its update state, checks that
// clearing happens inside the update, and refuses entries past a limit.
class ControlList : public TStringList {
 public:
  int Add(const AnsiString& s) override {
    if (Count() == refuseAt) throw EOutOfResources("Unable to insert a line");
    return TStringList::Add(s);
  }
  void Clear() override {
    clearedOutsideUpdate |= UpdateCount() == 0;
    TStringList::Clear();
  }

  int refuseAt = -1;
  bool clearedOutsideUpdate = false;
  std::vector<bool> updateStates;

 protected:
  void SetUpdateState(bool updating) override { updateStates.push_back(updating); }
};

// The least a subclass must provide; saving goes through Get alone.
class PlainList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(lines.size()); }
  AnsiString Get(int index) const override { return lines.at(index); }
  int Add(const AnsiString& s) override {
    lines.push_back(s);
    return Count() - 1;
  }
  void Delete(int index) override { lines.erase(lines.begin() + index); }
  void Clear() override { lines.clear(); }

  Lines lines;
};

Lines Load(const std::string& bytes) {
  const TempDir dir;
  dir.Write("in", bytes);
  TStringList list;
  list.LoadFromFile(dir.File("in"));
  return Entries(list);
}

}  // namespace

TEST(TStringsLoad, SplitsAtEachLineBreak) {
  using namespace std::string_literals;
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\nb", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\0b\r\nc"s, {"a"}},
      {"\0a"s, {}},
      {"\r\r\r", {"", "", ""}},
      {"\xFF\x81\r\n\xE8", {"\xFF\x81", "\xE8"}},
  };
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(Load(bytes), expected) << testing::PrintToString(bytes);
}

TEST(TStringsLoad, TakesArbitraryBytes) {
  std::mt19937 random(7);
  std::string noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random() % 255 + 1);
  noise[900000] = '\0';  // what follows must be ignored
  std::string joined;
  for (const AnsiString& line : Load(noise)) joined += line;
  std::string kept = noise.substr(0, noise.find('\0'));
  std::erase_if(kept, [](char c) { return c == '\r' || c == '\n'; });
  EXPECT_EQ(joined, kept);

  EXPECT_EQ(Load(std::string(1000, '\0')), Lines{});
  EXPECT_EQ(Load(std::string(1000, '\r')), Lines(1000, ""));
  const std::string longLine(10 << 20, 'x');
  EXPECT_EQ(Load(longLine + "\r\n"), Lines{longLine});
}

TEST(TStringsLoad, RunsInOneUpdateEvenWhenAddFails) {
  const TempDir dir;
  dir.Write("four", "a\r\nb\r\nc\r\nd\r\n");
  ControlList list;
  list.LoadFromFile(dir.File("four"));
  EXPECT_EQ(list.updateStates, (std::vector<bool>{true, false}));
  EXPECT_FALSE(list.clearedOutsideUpdate);

  list.updateStates.clear();
  list.refuseAt = 2;
  EXPECT_EQ(MessageOf<EOutOfResources>([&] { list.LoadFromFile(dir.File("four")); }), "Unable to insert a line");
  EXPECT_EQ(Entries(list), (Lines{"a", "b"}));
  EXPECT_EQ(list.updateStates, (std::vector<bool>{true, false}));
  EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(TStringsLoad, UnreadableFileLeavesTheListUntouched) {
  const TempDir dir;
  const CurrentDirGuard inside(dir.Path());
  ControlList list;
  list.Add("kept");
  EXPECT_EQ(MessageOf<EFOpenError>([&] { list.LoadFromFile("edit.kln"); }),
            "Cannot open file \"" + dir.File("edit.kln") + "\". No such file or directory");
  EXPECT_EQ(MessageOf<EFOpenError>([&] { list.LoadFromFile("."); }),
            "Cannot open file \"" + dir.Path() + "\". Is a directory");
  EXPECT_EQ(Entries(list), Lines{"kept"});
  EXPECT_TRUE(list.updateStates.empty());
}

TEST(TStringsSave, WritesEachEntryWithCrLf) {
  const TempDir dir;
  TStringList list;
  for (const char* s : {"x", "", "x"}) list.Add(s);
  list.SaveToFile(dir.File("three"));
  EXPECT_EQ(dir.Read("three"), "x\r\n\r\nx\r\n");

  PlainList plain;
  plain.Add("a\rb\nc");
  plain.Add("\xE8");
  plain.SaveToFile(dir.File("breaks"));
  EXPECT_EQ(dir.Read("breaks"), "a\rb\nc\r\n\xE8\r\n");
  plain.LoadFromFile(dir.File("breaks"));
  EXPECT_EQ(plain.lines, (Lines{"a", "b", "c", "\xE8"}));

  dir.Write("was full", "old");
  TStringList().SaveToFile(dir.File("was full"));
  EXPECT_EQ(dir.Read("was full"), "");
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"breaks", "three", "was full"}));
}

TEST(TStringsSave, RefusedTargetStaysAsItWas) {
  const TempDir dir;
  dir.Write("locked", "old\r\n");
  chmod(dir.File("locked").c_str(), 0444);
  std::filesystem::create_directory(dir.File("folder"));
  TStringList list;
  list.Add("new");
  EXPECT_EQ(MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("locked")); }),
            "Cannot create file \"" + dir.File("locked") + "\". Permission denied");
  EXPECT_EQ(MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("folder")); }),
            "Cannot create file \"" + dir.File("folder") + "\". Is a directory");
  EXPECT_EQ(MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("none/x")); }),
            "Cannot create file \"" + dir.File("none/x") + "\". No such file or directory");
  EXPECT_EQ(dir.Read("locked"), "old\r\n");
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder", "locked"}));
}

TEST(TStringsSave, FullDiskLeavesTheOldFileWhole) {
  const TempDir dir;
  const std::string old = "old entry\r\n";
  dir.Write("history.kln", old);
  const pid_t child = fork();
  if (child == 0) {
    // A file-size limit stands in for a full disk.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 << 10, 64 << 10};
    setrlimit(RLIMIT_FSIZE, &limit);
    TStringList list;
    for (int i = 0; i < 10000; ++i) list.Add(std::string(50, 'x'));
    _exit(MessageOf<EWriteError>([&] { list.SaveToFile(dir.File("history.kln")); }) == "Stream write error" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(dir.Read("history.kln"), old);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"history.kln"});
}
