#include "ProgramScenario.h"
#include "app/Author.h"
#include "rtl/CodePage.h"

namespace {

using HandOff = EmptyListsScenario;

TEST_F(HandOff, EachChoiceOfTheEngineSettingsStartsThePanelAnewAndNothingShowsWhenItCannot) {
  Then([&] {
    ui.ChooseMenu(Form1->Peer(), {Utf8ToAnsi("Nastavení webu")});
    system.Shell().SetAvailable(false);
    ui.ChooseMenu(Form1->Peer(), {Utf8ToAnsi("Nastavení webu")});
    const auto& runs = system.Shell().Runs();
    ASSERT_EQ(runs.size(), 2u);
    for (const auto& run : runs) {
      EXPECT_EQ(run.commandLine, "rundll32 shell32.dll,Control_RunDLL InetCpl.cpl,,0");
      EXPECT_EQ(run.show, 5);
    }
    EXPECT_TRUE(system.Shell().Executions().empty());
  });
  RunProgram();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(HandOff, TheMailButtonAndItsUnboundTwinHandTheirAddressToTheShellWithNoOwner) {
  struct Case {
    std::function<void()> trigger;
    std::string file;
  };
  const std::vector<Case> cases{
      {[&] { ui.Click(Form1->SpeedButton10->Peer()); }, std::string("mailto:") + kAuthorMail},
      {[&] { Form1->Image4Click(nullptr); }, std::string("mailto:") + kAuthorSecondMail},
  };
  Then([&] {
    for (bool available : {true, false}) {
      system.Shell().SetAvailable(available);
      for (const Case& c : cases) c.trigger();
    }
    const auto& executions = system.Shell().Executions();
    ASSERT_EQ(executions.size(), 2 * cases.size());
    for (size_t i = 0; i < executions.size(); ++i) {
      const platform::ShellExecution& e = executions[i];
      EXPECT_EQ(e.file, cases[i % cases.size()].file);
      EXPECT_EQ(e.owner, nullptr);
      EXPECT_EQ(e.verb, "open");
      EXPECT_EQ(e.parameters, "");
      EXPECT_EQ(e.directory, "");
      EXPECT_EQ(e.show, 1);
    }
    EXPECT_TRUE(system.Shell().Runs().empty());
  });
  RunProgram();
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
