#include "rtl/FileReplacement.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "rtl/CodePage.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"

namespace {

constexpr uid_t kNobody = 65534;
using Names = std::vector<std::string>;

struct stat StatOf(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info;
}

mode_t ModeOf(const std::string& path) { return StatOf(path).st_mode & 07777; }

std::string AttributeOf(const std::string& path, const char* name) {
  char value[64] = "";
  const ssize_t size = getxattr(path.c_str(), name, value, sizeof value);
  return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

void Replace(const std::string& name, std::string_view bytes) {
  FileReplacement file(name);
  file.Write(bytes);
  file.Commit();
}

// Runs work in a child process, which a crash, a limit or a changed user
// cannot outlive; as the user nobody when asked and the test runs as root.
// True when work returned true; what it raised is printed.
bool InChild(const std::function<bool()>& work, bool asNobody = false) {
  const pid_t child = fork();
  if (child == 0) {
    if (asNobody && geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      _exit(2);
    try {
      _exit(work() ? 0 : 1);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "raised: %s\n", error.what());
      _exit(1);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

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
  EXPECT_EQ(dir.Names(), Names{"list.kln"}) << "an unfinished replacement leaves nothing";
  Replace(target, bytes);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), "first");
  EXPECT_EQ(dir.Read("list.kln"), bytes);
  EXPECT_EQ(ReadWholeFile(target), bytes);
  EXPECT_EQ(ModeOf(target), 0604u);
  EXPECT_EQ(dir.Names(), Names{"list.kln"});

  // Names are ANSI text and reach the disk as UTF-8.
  Replace(dir.File(Utf8ToAnsi("žluťoučký.txt")), "x");
  EXPECT_EQ(dir.Read("žluťoučký.txt"), "x");
}

TEST(FileReplacement, KeepsLinksModeOwnerGroupAndExtendedAttributes) {
  const bool root = geteuid() == 0;
  struct Case {
    const char* what;
    std::function<void(const TempDir&)> setUp;  // the file saved is "list.kln"
    std::function<void(const TempDir&)> check;
    Names names;
  };
  const std::vector<Case> cases = {
      {"a chain of links to a list in another folder",
       [](const TempDir& dir) {
         std::filesystem::create_directory(dir.File("real"));
         dir.Write("real/list.kln", "old\r\n");
         std::filesystem::create_symlink(dir.File("real/list.kln"), dir.File("middle"));
         std::filesystem::create_symlink("middle", dir.File("list.kln"));
       },
       [](const TempDir& dir) {
         EXPECT_EQ(std::filesystem::read_symlink(dir.File("list.kln")), "middle");
         EXPECT_TRUE(std::filesystem::is_symlink(dir.File("middle")));
         EXPECT_EQ(dir.Read("real/list.kln"), "new\r\n");
         EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("real")), {}), 1);
       },
       {"list.kln", "middle", "real"}},
      {"a second hard link",
       [](const TempDir& dir) {
         dir.Write("list.kln", "old\r\n");
         std::filesystem::create_hard_link(dir.File("list.kln"), dir.File("other name"));
       },
       [](const TempDir& dir) {
         EXPECT_EQ(dir.Read("other name"), "new\r\n");
         EXPECT_EQ(StatOf(dir.File("list.kln")).st_ino, StatOf(dir.File("other name")).st_ino);
       },
       {"list.kln", "other name"}},
      {"mode, owner, group and an extended attribute",
       [root](const TempDir& dir) {
         dir.Write("list.kln", "old\r\n");
         chmod(dir.File("list.kln").c_str(), 0620);
         setxattr(dir.File("list.kln").c_str(), "user.origin", "kept", 4, 0);
         if (root) {
           ASSERT_EQ(chown(dir.File("list.kln").c_str(), 1234, 5678), 0);
         }
       },
       [root](const TempDir& dir) {
         const struct stat info = StatOf(dir.File("list.kln"));
         EXPECT_EQ(info.st_mode & 07777, 0620u);
         if (root) {
           EXPECT_EQ(std::make_pair(info.st_uid, info.st_gid), std::make_pair(1234u, 5678u));
         }
         EXPECT_EQ(AttributeOf(dir.File("list.kln"), "user.origin"), "kept");
       },
       {"list.kln"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    c.setUp(dir);
    Replace(dir.File("list.kln"), "new\r\n");
    EXPECT_EQ(dir.Read("list.kln"), "new\r\n");
    c.check(dir);
    EXPECT_EQ(dir.Names(), c.names);
  }
}

// A user saving a file that someone else owns but lets everybody write.
TEST(FileReplacement, RewritesTheFileItselfWhereItCannotBeSwappedForANewOne) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to set up files of another user";
  struct Case {
    const char* what;
    mode_t folderMode;
    uid_t folderOwner;
  };
  const std::vector<Case> cases = {
      {"a sticky shared folder", 01777, 0},
      {"a folder nobody may create in", 0555, 0},
      {"an owner the new file could not be given", 0755, kNobody},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TempDir dir;
    const TempDir privateTemp;  // where a backup may go when it cannot go beside the file
    chmod(dir.Path().c_str(), 0755);
    chmod(privateTemp.Path().c_str(), 0777);
    const std::string folder = dir.File("shared");
    std::filesystem::create_directory(folder);
    dir.Write("shared/list.kln", "old\r\n");
    chmod(dir.File("shared/list.kln").c_str(), 0666);
    chmod(folder.c_str(), c.folderMode);
    ASSERT_EQ(chown(folder.c_str(), c.folderOwner, c.folderOwner), 0);
    const ino_t inode = StatOf(dir.File("shared/list.kln")).st_ino;

    EXPECT_TRUE(InChild(
        [&] {
          setenv("TMPDIR", privateTemp.Path().c_str(), 1);
          Replace(dir.File("shared/list.kln"), "new\r\n");
          return true;
        },
        true));
    const struct stat info = StatOf(dir.File("shared/list.kln"));
    EXPECT_EQ(dir.Read("shared/list.kln"), "new\r\n");
    EXPECT_EQ(info.st_ino, inode);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(info.st_mode & 07777, 0666u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    EXPECT_TRUE(privateTemp.Names().empty());
  }
}

TEST(FileReplacement, RefusesAPipeOrADeviceAndLeavesItAsItIs) {
  const TempDir dir;
  mkfifo(dir.File("pipe").c_str(), 0666);
  std::filesystem::create_symlink("/dev/null", dir.File("null"));
  for (const char* name : {"pipe", "null"})
    EXPECT_EQ(MessageOf<EFCreateError>([&] { Replace(dir.File(name), "new\r\n"); }),
              "Cannot create file \"" + dir.File(name) + "\". Invalid argument");
  EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
  EXPECT_EQ(std::filesystem::read_symlink(dir.File("null")), "/dev/null");
  EXPECT_EQ(dir.Names(), (Names{"null", "pipe"}));
}

TEST(FileReplacement, ACrashLeavesTheOldContentAndAtMostItsBackup) {
  for (const bool hardLinked : {false, true}) {
    SCOPED_TRACE(hardLinked ? "rewritten in place" : "swapped for a new file");
    const TempDir dir;
    dir.Write("list.kln", "old\r\n");
    if (hardLinked) std::filesystem::create_hard_link(dir.File("list.kln"), dir.File("other name"));
    EXPECT_TRUE(InChild([&] {
      FileReplacement file(dir.File("list.kln"));
      file.Write("partial\r\n");
      _exit(0);  // no destructor runs, as in a crash
      return false;
    }));
    Names names = dir.Names();
    if (!hardLinked) {
      EXPECT_EQ(dir.Read("list.kln"), "old\r\n");
      EXPECT_EQ(names, Names{"list.kln"});
      continue;
    }
    std::erase(names, "list.kln");
    std::erase(names, "other name");
    ASSERT_EQ(names.size(), 1u) << "one backup beside the file";
    EXPECT_EQ(dir.Read(names[0]), "old\r\n");
  }
}

TEST(FileReplacement, AFailedRewriteInPlacePutsTheOldContentBack) {
  const TempDir dir;
  dir.Write("list.kln", "old\r\n");
  std::filesystem::create_hard_link(dir.File("list.kln"), dir.File("other name"));
  EXPECT_TRUE(InChild([&] {
    // A file-size limit stands in for a full disk.
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 << 10, 64 << 10};
    setrlimit(RLIMIT_FSIZE, &limit);
    return MessageOf<EWriteError>([&] { Replace(dir.File("list.kln"), std::string(1 << 20, 'x')); }) ==
           "Stream write error";
  }));
  EXPECT_EQ(dir.Read("list.kln"), "old\r\n");
  EXPECT_EQ(dir.Read("other name"), "old\r\n");
  EXPECT_EQ(dir.Names(), (Names{"list.kln", "other name"}));
}
