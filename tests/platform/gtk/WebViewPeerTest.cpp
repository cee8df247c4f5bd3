#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "GtkTestSupport.h"
#include "platform/gtk/WebViewPeer.h"

using platform::WideString;
using namespace platform::gtk;

namespace {

using WebViewPeerTest = gtktest::WindowTest;

// The processes started by this one and by those it started, by program name.
std::multiset<std::string> Descendants(const std::string& pid) {
  std::multiset<std::string> names;
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + pid + "/task", error)) {
    std::ifstream children(task.path() / "children");
    std::string child;
    while (children >> child) {
      std::ifstream commandLine("/proc/" + child + "/cmdline");
      std::string program;
      std::getline(commandLine, program, '\0');
      names.insert(std::filesystem::path(program).filename());
      names.merge(Descendants(child));
    }
  }
  return names;
}

size_t PageProcesses() { return Descendants(std::to_string(getpid())).count("WebKitWebProcess"); }

class EngineReports : public platform::IWebEngineListener {
 public:
  void EngineDownloadBegin() override { seen << "download begin;"; }
  void EngineDownloadComplete() override { seen << "download complete;"; }
  void EngineTitleChange(const WideString&) override { seen << "title;"; }
  void EnginePrintFailed(const WideString&) override { seen << "print failed;"; }

  std::ostringstream seen;
};

}  // namespace

// The page process comes up while the program builds its windows, not after
// the first request; starting it loads nothing and leaves no history.
TEST_F(WebViewPeerTest, ThePageProcessStartsWithTheViewAndNothingIsLoaded) {
  const size_t before = PageProcesses();
  WebViewPeer& view = Make<WebViewPeer>({0, 0, 300, 200});
  EngineReports reports;
  view.Engine().SetEngineListener(&reports);
  EXPECT_TRUE(gtktest::RunUntil([&] { return PageProcesses() > before; }));
  gtktest::Settle();

  EXPECT_EQ(reports.seen.str(), "");
  WideString url;
  view.Engine().LocationURL(url);
  EXPECT_EQ(url, u"");
  EXPECT_TRUE(view.Engine().GoBack().Failed());
  view.Engine().SetEngineListener(nullptr);
}
