#include "rtl/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>

#include "rtl/CodePage.h"
#include "support/TempDir.h"

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
