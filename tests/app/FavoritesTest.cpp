#include <filesystem>

#include "ProgramScenario.h"
#include "app/Author.h"
#include "app/Unit4.h"
#include "rtl/AnsiLiteral.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kA = "http://a.cz/", kB = "http://b.cz/", kC = "http://c.cz/", kD = "http://d.cz/";

std::string Lines(const Strings& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class Favorites : public ProgramScenario {
 protected:
  Favorites() {
    dir.Write("edit.kln", "");
    dir.Write("history.kln", "");
  }

  // Opens the window from the tool bar. inside runs while it is on screen
  // and must close it; after runs once the main window has it back.
  void OpenAnd(std::function<void()> inside, std::function<void()> after = [] {}) {
    Step([this, after] {
      ui.Click(Form1->SpeedButton7->Peer());
      EXPECT_FALSE(form4->Visible());
      after();
    });
    Step(std::move(inside));
  }

  Strings Entries() const { return Peer(form4->Box1).items; }
  std::vector<bool> Ticks() const { return Peer(form4->Box1).checked; }
  void Tick(int index) { ui.Tick(form4->Box1->Peer(), index, true); }
  void Press(const TControl* button) { ui.Click(button->Peer()); }
  void Focus(const TControl* control) { ui.Focus(control->Peer()); }

  // Replaces the edit box's text as a user would, then clicks the add picture.
  void AddAddress(const std::string& text) {
    Focus(form4->Edit1);
    form4->Edit1->SetSelection(0, static_cast<int>(form4->Edit1->Text().size()));
    ui.PressKey(VK_BACK);
    ui.Type(text);
    Press(form4->Image1);
  }
  void MakeFolder(const char* name) const {
    std::filesystem::remove(dir.File(name));
    std::filesystem::create_directory(dir.File(name));
  }
};

TEST_F(Favorites, TheFirstOpeningReportsTheMissingListAndOkCreatesItWithTheAuthorsSite) {
  Step([&] { EXPECT_TRUE(Messages().empty()) << "nothing is loaded before the window opens"; });
  OpenAnd(
      [&] {
        EXPECT_TRUE(form4->Visible());
        EXPECT_EQ(Messages(), Strings{FileError("Cannot open file", "nte.txt", "No such file or directory")});
        EXPECT_EQ(Entries(), Strings{kAuthorSiteUrl});
        Press(form4->BitBtn1);
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kAuthorSiteUrl})); });
  OpenAnd([&] {
    EXPECT_EQ(Messages().size(), 1u) << "the second opening loads without an error";
    EXPECT_EQ(Entries(), Strings{kAuthorSiteUrl});
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, EveryCommandOpensTheWindowModallyWithItsHintsAndTabOrder) {
  for (const std::function<void()>& command : std::vector<std::function<void()>>{
           [&] { ui.Click(Form1->SpeedButton7->Peer()); },
           [&] { ui.ChooseMenu(Form1->Peer(), {"&Možnosti"_a, "&Oblíbené"_a}); },
           [&] { Form1->Image5Click(nullptr); }}) {
    Step(command);
    Step([&] {
      EXPECT_TRUE(form4->Visible());
      EXPECT_TRUE(Peer(form4).modal);
      EXPECT_FALSE(Form1->Enabled());
      Press(form4->BitBtn3);
    });
  }
  OpenAnd([&] {
    EXPECT_EQ(Peer(form4->Image1).hint, "Přidej adresu"_a);
    const std::vector<const TControl*> order{form4->Edit1,   form4->Box1,    form4->BitBtn1,
                                             form4->BitBtn2, form4->BitBtn3, form4->Button1};
    for (size_t i = 0; i <= order.size(); ++i) {
      EXPECT_EQ(system.FocusedPeer(), order[i % order.size()]->Peer()) << "step " << i;
      ui.PressKey(VK_TAB);
    }
    Press(form4->BitBtn3);
  });
  RunProgram();
  EXPECT_EQ(Messages().size(), 4u) << "each opening tries to load the list";
}

TEST_F(Favorites, EveryWayOfClosingWritesOblibeneButOnlyOkWritesTheList) {
  dir.Write("nte.txt", Lines({kA}));
  const std::vector<std::pair<std::function<void()>, bool>> closings{
      {[&] { Press(form4->BitBtn1); }, true},
      {[&] { Press(form4->BitBtn3); }, false},
      {[&] { ui.PressKey(VK_RETURN); }, true},
      {[&] { ui.PressKey('S', TShiftState::Alt); }, false},
      {[&] { ui.PressKey('O', TShiftState::Alt); }, true},
      {[&] { form4->Close(); }, false},
  };
  for (size_t i = 0; i < closings.size(); ++i)
    OpenAnd(
        [&, i] {
          EXPECT_EQ(Entries(), Strings{kA}) << "each opening shows the list file, without ticks";
          EXPECT_EQ(Ticks(), std::vector<bool>{false});
          std::filesystem::remove(dir.File("oblibene.kln"));
          AddAddress(kB);
          Tick(0);
          closings[i].first();
        },
        [&, i] {
          EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA, kB})) << "closing " << i;
          EXPECT_EQ(dir.Read("nte.txt"), closings[i].second ? Lines({kA, kB}) : Lines({kA})) << "closing " << i;
          dir.Write("nte.txt", Lines({kA}));
        });
  RunProgram();
}

TEST_F(Favorites, EnterInTheEditBoxOrTheListPressesOkAndNotTheOtherDefaultButton) {
  dir.Write("nte.txt", Lines({kA}));
  OpenAnd(
      [&] {
        EXPECT_EQ(form4->ActiveControl(), form4->Edit1);
        ui.Type("x.cz/");
        ui.PressKey(VK_RETURN, TShiftState::Ctrl);
        EXPECT_TRUE(form4->Visible()) << "only a plain Enter presses a button";
        Press(form4->Image1);
        Focus(form4->Box1);
        Tick(0);
        ui.PressKey(VK_RETURN);
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kA, "http://x.cz/"})) << "OK, not S&mazat"; });
  RunProgram();
}

TEST_F(Favorites, EscDeletesTheTickedEntriesWhateverHasTheFocusAndNeverCloses) {
  dir.Write("nte.txt", Lines({kA, kB, kC, kD}));
  OpenAnd([&] {
    ui.PressKey(VK_ESCAPE);
    EXPECT_EQ(Entries().size(), 4u) << "nothing ticked, nothing changes";
    for (const TControl* at : std::vector<const TControl*>{form4->Edit1, form4->Box1, form4->BitBtn1, form4->BitBtn3}) {
      Focus(at);
      Tick(0);
      ui.PressKey(VK_ESCAPE);
    }
    EXPECT_EQ(Entries(), Strings{});
    EXPECT_TRUE(form4->Visible());
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, AfterDeletingEntriesAboveTheHighlightSpaceTicksTheHighlightedEntry) {
  dir.Write("nte.txt", Lines({kA, kB, kC, kD}));
  OpenAnd([&] {
    Focus(form4->Box1);
    ui.Select(form4->Box1->Peer(), 2);
    Tick(0);
    ui.PressKey(VK_ESCAPE);
    ui.PressKey(VK_SPACE);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true, false}));
    ui.PressKey(VK_ESCAPE);
    EXPECT_EQ(Entries(), (Strings{kB, kD}));
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, SmazatRemovesTheTickedEntriesAndAnEmptiedListIsWrittenAndLoadedEmpty) {
  dir.Write("nte.txt", Lines({kA, kB, kC, kD}));
  OpenAnd(
      [&] {
        Tick(0);
        Tick(1);
        Press(form4->BitBtn2);
        EXPECT_EQ(Entries(), (Strings{kC, kD}));
        Tick(0);
        Tick(1);
        Press(form4->BitBtn2);
        EXPECT_TRUE(form4->Visible());
        Press(form4->BitBtn1);
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), ""); });
  OpenAnd([&] {
    EXPECT_EQ(Entries(), Strings{});
    EXPECT_TRUE(Messages().empty());
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, ThePictureAddsTheTextAsTypedAndResetsTheEditBox) {
  dir.Write("nte.txt", Lines({kA}));
  OpenAnd([&] {
    AddAddress("");
    EXPECT_EQ(Entries(), (Strings{kA, ""}));
    EXPECT_EQ(Peer(form4->Edit1).text, "http://");
    AddAddress(" seznam.cz ");
    AddAddress(" seznam.cz ");
    Press(form4->Image1);
    EXPECT_EQ(Entries(), (Strings{kA, "", " seznam.cz ", " seznam.cz ", "http://"}));

    Peer(form4->Box1).refuseItemsFrom = 5;
    AddAddress("refused");
    EXPECT_EQ(Messages(), Strings{"Unable to insert a line."});
    EXPECT_EQ(Entries().size(), 5u);
    EXPECT_EQ(form4->Edit1->Text(), "refused") << "a refused entry stays in the edit box";
    Press(form4->BitBtn1);
  });
  RunProgram();
  EXPECT_EQ(dir.Read("nte.txt"), Lines({kA, "", " seznam.cz ", " seznam.cz ", "http://"}));
}

TEST_F(Favorites, SortingKeepsCzechAlphabeticalOrderForTheRestOfTheRunButNotTheNext) {
  const std::string chata = "http://chata.cz/", cukr = "http://cukr.cz/", ctvrtek = "http://čtvrtek.cz/"_a;
  const std::string dum = "http://dům.cz/"_a, hora = "http://hora.cz/";
  const Strings withAdds{"http://cibule.cz/", cukr, ctvrtek, dum, hora, chata, "http://ivan.cz/"};
  dir.Write("nte.txt", Lines({chata, dum, cukr, ctvrtek, hora}));
  OpenAnd(
      [&] {
        Tick(1);
        Press(form4->Button1);
        EXPECT_EQ(Entries(), (Strings{cukr, ctvrtek, dum, hora, chata}));
        EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, true, false, false})) << "the tick stays with its entry";
        AddAddress("http://cibule.cz/");
        AddAddress("http://ivan.cz/");
        EXPECT_EQ(Entries(), withAdds);
        EXPECT_TRUE(form4->Box1->Checked(3));
        Press(form4->BitBtn1);
      },
      [&] {
        EXPECT_EQ(dir.Read("nte.txt"), Lines(withAdds));
        dir.Write("nte.txt", Lines({hora, chata, cukr}));
      });
  OpenAnd([&] {
    EXPECT_EQ(Entries(), (Strings{cukr, hora, chata})) << "a load after sorting lands in order";
    Press(form4->BitBtn3);
  });
  RunProgram();

  OpenAnd([&] {
    EXPECT_EQ(Entries(), (Strings{hora, chata, cukr}));
    AddAddress("http://0.cz/");
    EXPECT_EQ(Entries(), (Strings{hora, chata, cukr, "http://0.cz/"}));
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, TheMainWindowsShortcutsAreOffWhileTheWindowIsOpen) {
  dir.Write("nte.txt", Lines({kA}));
  OpenAnd(
      [&] {
        ui.PressKey(VK_HOME);
        ui.PressKey(VK_DELETE);
        EXPECT_EQ(form4->Edit1->Text(), "ttp://") << "Delete deletes a character in the edit box";
        ui.PressKey(VK_F5);
        ui.PressKey(VK_F1);
        Focus(form4->Box1);
        ui.PressKey(VK_DELETE);
        ui.PressKey(VK_F5);
        EXPECT_EQ(Web().calls, Strings{"GoHome"});
        EXPECT_EQ(Entries(), Strings{kA});
        EXPECT_TRUE(form4->Visible());
        Press(form4->BitBtn3);
      },
      [&] {
        ui.PressKey(VK_F5);
        EXPECT_EQ(Web().calls, (Strings{"GoHome", "Refresh"})) << "back on once the window is closed";
      });
  RunProgram();
}

TEST_F(Favorites, AnUnwritableOblibeneOrAFailedOkWriteIsReportedAndTheWindowStillCloses) {
  dir.Write("nte.txt", Lines({kA}));
  MakeFolder("oblibene.kln");
  OpenAnd([&] { Press(form4->BitBtn3); },
          [&] {
            EXPECT_EQ(Messages(), Strings{FileError("Cannot create file", "oblibene.kln", "Is a directory")});
            EXPECT_TRUE(Form1->Enabled());
            ui.PressKey(VK_F5);
            EXPECT_EQ(Web().calls.back(), "Refresh");
            std::filesystem::remove(dir.File("oblibene.kln"));
          });
  OpenAnd(
      [&] {
        MakeFolder("nte.txt");
        Press(form4->BitBtn1);
      },
      [&] {
        EXPECT_EQ(Messages(), (Strings{FileError("Cannot create file", "oblibene.kln", "Is a directory"),
                                       FileError("Cannot create file", "nte.txt", "Is a directory")}));
        EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA}));
        EXPECT_TRUE(Form1->Enabled());
      });
  RunProgram();
}

TEST_F(Favorites, OpeningAndClosingNeitherSendsTheWebControlHomeNorLeavesTheMainWindowSmall) {
  const platform::Rect workArea{0, 0, 1280, 994};
  Step([&] { ui.MoveResize(Form1->Peer(), {50, 60, 700, 500}); });
  OpenAnd(
      [&] {
        EXPECT_EQ(Form1->BoundsRect(), workArea);
        ui.MoveResize(Form1->Peer(), {50, 60, 700, 500});
        Press(form4->BitBtn3);
      },
      [&] {
        EXPECT_EQ(Form1->BoundsRect(), workArea);
        EXPECT_EQ(Web().calls, Strings{"GoHome"});
      });
  RunProgram();
}

}  // namespace
