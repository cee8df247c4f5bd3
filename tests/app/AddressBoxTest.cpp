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
  std::vector<std::string> Navigations() const {
    std::vector<std::string> out;
    for (const auto& call : Web().calls)
      if (call.rfind("Navigate ", 0) == 0) out.push_back(call.substr(9));
    return out;
  }
};

TEST_F(AddressBox, EnterSendsTheTextUnchangedThenKeepsItInTheListAndTheFile) {
  Then([&] {
    Type("  novinky.cz ");
    ui.PressKey(VK_RETURN);
    Form1->ComboBox1->SetText("");
    ui.Click(Form1->BitBtn2->Peer());
    Form1->ComboBox1->SetText("seznam.cz");
    ui.Click(Form1->BitBtn2->Peer());
    EXPECT_EQ(Navigations(), (std::vector<std::string>{"  novinky.cz ", "", "seznam.cz"}));
    EXPECT_EQ(Form1->ComboBox1->Text(), "seznam.cz") << "the box keeps its text";
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\n  novinky.cz \r\n\r\nseznam.cz\r\n");
}

TEST_F(AddressBox, TypingCompletesFromTheOldestEntryAndEnterSubmitsTheCompletedText) {
  Then([&] {
    Type("AB");
    EXPECT_EQ(Form1->ComboBox1->Text(), "ABcd");
    EXPECT_EQ(Form1->ComboBox1->SelStart(), 2);
    EXPECT_EQ(Form1->ComboBox1->SelLength(), 2);
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Navigations(), std::vector<std::string>{"ABcd"});
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\nABcd\r\n");
}

TEST_F(AddressBox, EachAutoRepeatedEnterSubmitsOnceMore) {
  Then([&] {
    Type("x.cz");
    ui.PressKey(VK_RETURN);
    ui.PressKey(VK_RETURN, {}, true);
    ui.PressKey(VK_RETURN, {}, true);
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\nx.cz\r\nx.cz\r\nx.cz\r\n");
}

TEST_F(AddressBox, AFailedNavigationKeepsNothingAndAFailedAppendWritesNothing) {
  Then([&] {
    Web().failures["Navigate"] = {hresult::InvalidArgument, u""};
    Type("bad");
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 2);
    Web().failures.clear();
    Peer(Form1->ComboBox1).refuseItemsFrom = 2;
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 2);
  });
  RunProgram();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"The parameter is incorrect.", "Unable to insert a line."}));
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\n");
}

TEST_F(AddressBox, AFailedWriteKeepsTheEntryForTheNextSubmission) {
  Then([&] {
    chmod(dir.File("edit.kln").c_str(), 0444);
    Type("one.cz");
    ui.PressKey(VK_RETURN);
    chmod(dir.File("edit.kln").c_str(), 0644);
    Form1->ComboBox1->SetText("two.cz");
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(dir.Read("edit.kln"), "abcd\r\nseznam.cz\r\none.cz\r\ntwo.cz\r\n");
}

TEST_F(AddressBox, WithTheHistoryPanelShownEnterAndEscDeleteTickedHistoryInstead) {
  dir.Write("history.kln", "h1\r\nh2\r\nh3\r\n");
  Then([&] {
    ui.Click(Form1->SpeedButton6->Peer());
    ui.Tick(Form1->CheckListBox1->Peer(), 0, true);
    Type("x.cz");
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Peer(Form1->CheckListBox1).items, (std::vector<std::string>{"h2", "h3"}));
    EXPECT_TRUE(Navigations().empty());
    ui.PressKey(VK_RETURN, TShiftState::Shift);
    ui.PressKey(VK_RETURN, TShiftState::Ctrl);
    ui.SetDropDown(Form1->ComboBox1->Peer(), true);
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Navigations().size(), 3u) << "Shift, Ctrl and an open list still submit";
    ui.Click(Form1->SpeedButton11->Peer());
    ui.PressKey(VK_RETURN);
    EXPECT_EQ(Navigations().size(), 4u);
  });
  RunProgram();
}

TEST_F(AddressBox, ChoosingFromTheListStartsNothing) {
  Then([&] {
    ui.SetDropDown(Form1->ComboBox1->Peer(), true);
    ui.Select(Form1->ComboBox1->Peer(), 1);
    ui.SetDropDown(Form1->ComboBox1->Peer(), false);
    EXPECT_EQ(Form1->ComboBox1->Text(), "seznam.cz");
    EXPECT_TRUE(Navigations().empty());
  });
  RunProgram();
}

TEST_F(AddressBox, AfterAnUnreadableListTheFirstSubmissionWritesTheBuiltInEntryFirst) {
  unlink(dir.File("edit.kln").c_str());
  Then([&] {
    Type("novinky.cz");
    ui.PressKey(VK_RETURN);
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "http://www.kalnor.webpark.cz/ \r\nnovinky.cz\r\n");
}

}  // namespace
