#include "platform/gtk/EngineSettings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using platform::gtk::EngineSettings;

namespace {

class EngineSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kalnor-engine-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string File() const { return (folder_ / "kalnor" / "engine.ini").string(); }
  void Write(const std::string& text) const {
    std::filesystem::create_directories(folder_ / "kalnor");
    std::ofstream(File()) << text;
  }
  std::string Read() const {
    std::stringstream text;
    text << std::ifstream(File()).rdbuf();
    return text.str();
  }

  std::filesystem::path folder_;
};

}  // namespace

TEST_F(EngineSettingsTest, AMissingFileIsWrittenWithTheDefaults) {
  const EngineSettings settings = EngineSettings::Load(File());
  const EngineSettings defaults;
  EXPECT_EQ(settings.homePage, defaults.homePage);
  EXPECT_EQ(settings.searchPage, defaults.searchPage);
  EXPECT_EQ(settings.printer, "");
  ASSERT_TRUE(std::filesystem::exists(File()));
  EXPECT_NE(Read().find("home=" + defaults.homePage), std::string::npos);
  EXPECT_EQ(EngineSettings::Load(File()).searchPage, defaults.searchPage);
}

TEST_F(EngineSettingsTest, TheFileGivesHomeSearchAndPrinter) {
  Write("[engine]\nhome=http://127.0.0.1:8000/home.html\nsearch=http://127.0.0.1:8000/s\nprinter=Laser 2\n"
        "print-file=/tmp/page.pdf\n");
  const EngineSettings settings = EngineSettings::Load(File());
  EXPECT_EQ(settings.homePage, "http://127.0.0.1:8000/home.html");
  EXPECT_EQ(settings.searchPage, "http://127.0.0.1:8000/s");
  EXPECT_EQ(settings.printer, "Laser 2");
  EXPECT_EQ(settings.printFile, "/tmp/page.pdf");
}

TEST_F(EngineSettingsTest, KeysLeftOutOrEmptyKeepTheirDefaults) {
  Write("[engine]\nhome=\n");
  const EngineSettings settings = EngineSettings::Load(File());
  EXPECT_EQ(settings.homePage, EngineSettings().homePage);
  EXPECT_EQ(settings.searchPage, EngineSettings().searchPage);
}

TEST_F(EngineSettingsTest, AFileThatIsNoKeyFileIsUsedAsDefaultsAndLeftAlone) {
  Write("this is not a key file");
  EXPECT_EQ(EngineSettings::Load(File()).homePage, EngineSettings().homePage);
  EXPECT_EQ(Read(), "this is not a key file");
}

TEST_F(EngineSettingsTest, APipeOrADeviceGivesTheDefaultsAtOnceAndStaysAsItIs) {
  std::filesystem::create_directories(folder_ / "kalnor");
  const std::string pipe = (folder_ / "pipe").string();
  mkfifo(pipe.c_str(), 0600);
  for (const std::string& target : {pipe, std::string("/dev/zero")}) {
    std::filesystem::remove(File());
    std::filesystem::create_symlink(target, File());
    // In a child, so that a load that blocks fails here instead of hanging the run.
    const pid_t child = fork();
    if (child == 0) {
      alarm(10);
      const EngineSettings settings = EngineSettings::Load(File());
      _exit(settings.homePage == EngineSettings().homePage ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << target << ": " << status;
    EXPECT_TRUE(std::filesystem::is_symlink(File())) << target;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}
