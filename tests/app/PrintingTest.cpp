#include "ProgramScenario.h"
#include "rtl/HResult.h"

namespace {

using Printing = EmptyListsScenario;

// The references the control's interface holds now, the wrapper's own included.
ULONG References(TWebBrowser& browser) {
  const TComInterface<IWebBrowser2> probe = browser.ControlInterface();
  probe->AddRef();
  return probe->Release() - 1;
}

void Print(platform::headless::HeadlessDriver& ui) { ui.ChooseMenu(Form1->Peer(), {"&Soubor", "&Tisk"}); }

TEST_F(Printing, EachPrintAsksTheControlWithoutAPromptOrSetUpPassingTheSameTwoEmptyVariants) {
  Then([&] {
    Web().calls.clear();
    Print(ui);
    Print(ui);
    EXPECT_EQ(Web().calls, std::vector<std::string>(2, "ExecWB 6 2"));
    const auto& arguments = Web().commandArguments;
    ASSERT_EQ(arguments.size(), 2u);
    const auto [in, out] = arguments[0];
    ASSERT_TRUE(in && out);
    EXPECT_NE(in, out);
    EXPECT_EQ(in->type, VT_EMPTY);
    EXPECT_EQ(out->type, VT_EMPTY);
    EXPECT_EQ(arguments[1], arguments[0]);
    EXPECT_EQ(References(*Form1->WebBrowser1), 1u);

    EXPECT_EQ(system.PrinterSetups(), 0);
    Form1->Nastaventisku1Click(nullptr);  // its answer is ignored
    EXPECT_EQ(system.PrinterSetups(), 1);
  });
  RunProgram();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Printing, ARefusedPrintShowsTheControlsErrorReleasesTheInterfaceAndCanBeTriedAgain) {
  Then([&] {
    Web().failures["ExecWB"] = {hresult::Fail, u"Cannot print on the printer \"Laser\": Printer not found"};
    Print(ui);
    EXPECT_EQ(References(*Form1->WebBrowser1), 1u);
    Web().failures.clear();
    Print(ui);
    EXPECT_EQ(Web().commandArguments.size(), 2u);
  });
  RunProgram();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot print on the printer \"Laser\": Printer not found."});
}

TEST_F(Printing, AJobThatFailsAfterTheCommandIsReportedAsAnError) {
  Then([&] {
    Print(ui);
    Web().RaisePrintFailed(u"Cannot print on the default printer: The printer is out of paper");
  });
  RunProgram();
  ASSERT_EQ(system.MessageBoxes().size(), 1u);
  EXPECT_EQ(system.MessageBoxes()[0].text, "Cannot print on the default printer: The printer is out of paper.");
  EXPECT_EQ(system.MessageBoxes()[0].caption, "Kalnor internet 2005 - 2.0");
}

}  // namespace
