#include <sys/stat.h>

#include "ProgramScenario.h"
#include "rtl/HResult.h"

namespace {

class AddressBox : public ProgramScenario {
 protected:
  AddressBox() {
    dir.Write("edit.kln", "abcd\r\nseznam.cz\r\n");
    dir.Write("history.kln", "");
  }
  void Type(const std::string& text) {
    ui.Focus(Form1->ComboBox1->Peer());
    ui.Type(text);
  }
};

// The addresses the web control was sent, in order.
std::vector<std::string> Navigations(const std::vector<std::string>& calls) {
  std::vector<std::string> out;
  for (const auto& call : calls)
    if (call.rfind("Navigate ", 0) == 0) out.push_back(call.substr(9));
  return out;
}

TEST_F(AddressBox, EnterAndGoSendTheTextUnchangedThenKeepItInTheListAndTheFile) {
  Then([&] {
    Type("  novinky.cz ");
    ui.PressKey(VK_RETURN);
    Form1->ComboBox1->SetText("");
    ui.Click(Form1->BitBtn2->Peer());
    Form1->ComboBox1->SetText("seznam.cz");
    ui.Click(Form1->BitBtn2->Peer());
    EXPECT_EQ(Form1->ComboBox1->Text(), "seznam.cz") << "the box keeps its text";

    Form1->ComboBox1->SetText("");
    Type("AB");
    ui.PressKey(VK_RETURN);
    ui.PressKey(VK_RETURN);  // held down, Enter repeats: each repeat submits once more
    EXPECT_EQ(Navigations(Web().calls),
              (std::vector<std::string>{"  novinky.cz ", "", "seznam.cz", "ABcd", "ABcd"}));
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\n  novinky.cz \r\n\r\nseznam.cz\r\nABcd\r\nABcd\r\n");
}

TEST_F(AddressBox, AFailingStepEndsTheSubmissionAndTheNextSubmissionWritesWhatAFailedWriteLeft) {
  Then([&] {
    Web().failures["Navigate"] = {hresult::InvalidArgument, u""};
    Type("bad");
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 2) << "nothing kept after a refused navigation";
    Web().failures.clear();
    Peer(Form1->ComboBox1).refuseItemsFrom = 2;
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 2);
    EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\n") << "nothing written after a refused entry";

    Peer(Form1->ComboBox1).refuseItemsFrom = -1;
    chmod(dir.File("edit.kln").c_str(), 0444);
    ui.PressKey(VK_RETURN);
    chmod(dir.File("edit.kln").c_str(), 0644);
    Form1->ComboBox1->SetText("two.cz");
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"The parameter is incorrect.", "Unable to insert a line.",
                                                  FileError("Cannot create file", "edit.kln", "Permission denied")}));
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\nbad\r\ntwo.cz\r\n");
}

TEST_F(AddressBox, ChoosingFromTheListPutsTheEntryInTheBoxAndStartsNothing) {
  Then([&] {
    ui.SetDropDown(Form1->ComboBox1->Peer(), true);
    ui.Select(Form1->ComboBox1->Peer(), 1);
    ui.SetDropDown(Form1->ComboBox1->Peer(), false);
    EXPECT_EQ(Form1->ComboBox1->Text(), "seznam.cz");
    EXPECT_TRUE(Navigations(Web().calls).empty());
  });
  RunProgram();
}

TEST_F(AddressBox, AfterAnUnreadableListTheFirstSubmissionWritesTheBuiltInEntryFirst) {
  std::filesystem::remove(dir.File("edit.kln"));
  Then([&] {
    Type("novinky.cz");
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "http://www.kalnor.webpark.cz/ \r\nnovinky.cz\r\n");
}

}  // namespace
