#include "rtl/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>

#include "rtl/CodePage.h"
#include "support/TempDir.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

}  // namespace

TEST(ExpandFileName, ResolvesAgainstTheCurrentDirectoryByText) {
  const TempDir dir;
  std::filesystem::create_directory(dir.File("sub"));
  std::filesystem::create_directory_symlink("/usr/share", dir.File("link"));
  const CurrentDirGuard inside(dir.Path());
  EXPECT_EQ(ExpandFileName("a.txt"), dir.File("a.txt"));
  EXPECT_EQ(ExpandFileName("./sub/../b/./c/"), dir.File("b/c"));
  EXPECT_EQ(ExpandFileName("link/../f"), dir.File("f"));  // not /usr/f
  EXPECT_EQ(ExpandFileName("/abs//./p/../q"), "/abs/q");
  EXPECT_EQ(ExpandFileName("/../.."), "/");
  const CurrentDirGuard deeper("sub");
  EXPECT_EQ(ExpandFileName("a.txt"), dir.File("sub/a.txt"));
}

TEST(SysErrorMessage, GivesTheSystemTextTrimmed) {
  EXPECT_EQ(SysErrorMessage(ENOENT), "No such file or directory");
  EXPECT_EQ(SysErrorMessage(EISDIR), "Is a directory");
  EXPECT_EQ(TrimErrorText("v1.2 failed\t\x01."), "v1.2 failed");
  EXPECT_EQ(TrimErrorText(" . .."), "");
  EXPECT_EQ(TrimErrorText("chyba \xE8"), "chyba \xE8");  // č is a letter, not a control
}

void Replace(const std::string& name, std::string_view bytes) {
  FileReplacement file(name);
  file.Write(bytes);
  file.Commit();
}

TEST(FileReplacement, ReplacesTheFileInOneStepAndReadWholeFileGetsEveryByteBack) {
  const TempDir dir;
  const std::string target = dir.File("list.kln");
  const mode_t oldMask = umask(027);
  Replace(target, "first");
  umask(oldMask);
  EXPECT_EQ(ModeOf(target), 0640u);

  chmod(target.c_str(), 0604);
  std::ifstream reader(target, std::ios::binary);  // opened before the save
  const std::string bytes("a\0b\r\n\xFF\x81", 7);
  {
    FileReplacement unfinished(target);
    unfinished.Write("never committed");
  }
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"list.kln"}) << "an unfinished replacement leaves nothing";
  Replace(target, bytes);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "first");
  EXPECT_EQ(dir.Read("list.kln"), bytes);
  EXPECT_EQ(ReadWholeFile(target), bytes);
  EXPECT_EQ(ModeOf(target), 0604u);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"list.kln"});

  // Names are ANSI text and reach the disk as UTF-8.
  Replace(dir.File(Utf8ToAnsi("žluťoučký.txt")), "x");
  EXPECT_EQ(dir.Read("žluťoučký.txt"), "x");
}
