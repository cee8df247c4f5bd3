#include "rtl/TStrings.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <vector>

#include "rtl/Exceptions.h"
#include "rtl/FileDescriptor.h"
#include "rtl/TStringList.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"

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

Lines Load(const std::string& bytes) {
  const TempDir dir;
  dir.Write("in", bytes);
  TStringList list;
  list.LoadFromFile(dir.File("in"));
  return Entries(list);
}

}  // namespace

TEST(TStringsLoad, SplitsAtEachLineBreakAndStopsAtNul) {
  using namespace std::string_literals;
  const std::string longLine(10 << 20, 'x');
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
      {std::string(1000, '\0'), {}},
      {std::string(1000, '\r'), Lines(1000, "")},
      {"\xFF\x81\r\n\xE8", {"\xFF\x81", "\xE8"}},
      {longLine + "\r\n", {longLine}},
  };
  for (const auto& [bytes, expected] : cases)
    EXPECT_EQ(Load(bytes), expected) << testing::PrintToString(bytes.substr(0, 20));

  std::mt19937 random(7);
  std::string noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random() % 255 + 1);
  noise[900000] = '\0';  // what follows must be ignored
  std::string joined;
  for (const AnsiString& line : Load(noise)) joined += line;
  std::string kept = noise.substr(0, noise.find('\0'));
  std::erase_if(kept, [](char c) { return c == '\r' || c == '\n'; });
  EXPECT_EQ(joined, kept);
}

TEST(TStringsLoad, RunsInOneUpdateEvenWhenAddFailsAndAMissingFileChangesNothing) {
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

  list.updateStates.clear();
  const CurrentDirGuard inside(dir.Path());
  EXPECT_EQ(MessageOf<EFOpenError>([&] { list.LoadFromFile("edit.kln"); }),
            "Cannot open file \"" + dir.File("edit.kln") + "\". No such file or directory");
  EXPECT_EQ(MessageOf<EFOpenError>([&] { list.LoadFromFile("."); }),
            "Cannot open file \"" + dir.Path() + "\". Is a directory");
  EXPECT_EQ(Entries(list), (Lines{"a", "b"}));
  EXPECT_TRUE(list.updateStates.empty());
}

TEST(TStringsLoad, AnythingButARegularFileIsRefusedAtOnceAndTheListStays) {
  const TempDir dir;
  mkfifo(dir.File("pipe").c_str(), 0600);
  // A writer holds the pipe open with a line in it, so nothing here can block.
  const FileDescriptor writer(open(dir.File("pipe").c_str(), O_RDWR | O_CLOEXEC));
  ASSERT_EQ(write(writer.Get(), "x\r\n", 3), 3);
  std::filesystem::create_symlink("pipe", dir.File("to pipe"));
  for (const char* device : {"/dev/zero", "/dev/urandom", "/dev/null"})
    std::filesystem::create_symlink(device, dir.File(std::filesystem::path(device).filename().string()));
  TStringList list;
  list.Add("kept");
  for (const char* name : {"pipe", "to pipe", "zero", "urandom", "null"}) {
    EXPECT_EQ(MessageOf<EFOpenError>([&] { list.LoadFromFile(dir.File(name)); }),
              "Cannot open file \"" + dir.File(name) + "\". Invalid argument")
        << name;
    EXPECT_EQ(Entries(list), Lines{"kept"}) << name;
  }
}

TEST(TStringsSave, WritesEachEntryWithCrLfAndARefusedTargetStaysAsItWas) {
  const TempDir dir;
  TStringList list;
  for (const char* s : {"x", "", "a\rb\nc", "\xE8"}) list.Add(s);
  list.SaveToFile(dir.File("four"));
  EXPECT_EQ(dir.Read("four"), "x\r\n\r\na\rb\nc\r\n\xE8\r\n");
  dir.Write("was full", "old");
  TStringList().SaveToFile(dir.File("was full"));
  EXPECT_EQ(dir.Read("was full"), "");

  dir.Write("locked", "old\r\n");
  chmod(dir.File("locked").c_str(), 0444);
  std::filesystem::create_directory(dir.File("folder"));
  EXPECT_EQ(MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("locked")); }),
            "Cannot create file \"" + dir.File("locked") + "\". Permission denied");
  EXPECT_EQ(MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("folder")); }),
            "Cannot create file \"" + dir.File("folder") + "\". Is a directory");
  EXPECT_EQ(MessageOf<EFCreateError>([&] { list.SaveToFile(dir.File("none/x")); }),
            "Cannot create file \"" + dir.File("none/x") + "\". No such file or directory");
  EXPECT_EQ(dir.Read("locked"), "old\r\n");
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder", "four", "locked", "was full"}));
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
