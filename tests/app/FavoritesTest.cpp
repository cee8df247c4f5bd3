#include <filesystem>

#include "ProgramScenario.h"
#include "app/Author.h"
#include "app/Unit4.h"
#include "rtl/AnsiLiteral.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kA = "http://a.cz/";
const std::string kB = "http://b.cz/";
const std::string kC = "http://c.cz/";
const std::string kD = "http://d.cz/";

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

  // A program that ends early would skip the checks of the steps left.
  void TearDown() override { EXPECT_EQ(stepsLeft_, 0) << "the program ended before every step ran"; }

  void Step(std::function<void()> step) {
    ++stepsLeft_;
    Then([this, step = std::move(step)] {
      --stepsLeft_;
      step();
    });
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

  std::string FileError(const char* action, const char* name, const char* reason) const {
    return std::string(action) + " \"" + dir.File(name) + "\". " + reason + ".";
  }
  void MakeFolder(const char* name) const {
    std::filesystem::remove(dir.File(name));
    std::filesystem::create_directory(dir.File(name));
  }

 private:
  int stepsLeft_ = 0;
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

TEST_F(Favorites, EveryCommandOpensTheWindowModally) {
  const std::vector<std::function<void()>> commands{
      [&] { ui.Click(Form1->SpeedButton7->Peer()); },
      [&] { ui.ChooseMenu(Form1->Peer(), {"&Možnosti"_a, "&Oblíbené"_a}); },
      [&] { Form1->Image5Click(nullptr); },
  };
  for (const auto& command : commands) {
    Step(command);
    Step([&] {
      EXPECT_TRUE(form4->Visible());
      EXPECT_TRUE(Peer(form4).modal);
      EXPECT_FALSE(Form1->Enabled());
      Press(form4->BitBtn3);
    });
  }
  RunProgram();
  EXPECT_EQ(Messages().size(), 3u) << "each opening tries to load the list";
}

TEST_F(Favorites, TheHintsAndPointersReachTheScreenAndTabSkipsThePicture) {
  OpenAnd([&] {
    EXPECT_EQ(Peer(form4->Image1).hint, "Přidej adresu"_a);
    EXPECT_EQ(Peer(form4->Image1).picture, "add");
    EXPECT_EQ(Peer(form4->BitBtn2).hint, "Smaže vybranou adresu"_a);
    EXPECT_EQ(Peer(form4->Button1).hint, "");
    for (const TControl* hand : std::vector<const TControl*>{form4->Image1, form4->BitBtn1, form4->BitBtn3})
      EXPECT_EQ(Peer(hand).cursor, platform::Cursor::HandPoint) << hand->Name();
    EXPECT_EQ(Peer(form4->BitBtn2).cursor, platform::Cursor::Default);
    EXPECT_EQ(Peer(form4->Edit1).text, "http://");

    const std::vector<const TControl*> order{form4->Edit1,   form4->Box1,    form4->BitBtn1,
                                             form4->BitBtn2, form4->BitBtn3, form4->Button1};
    for (size_t i = 0; i <= order.size(); ++i) {
      EXPECT_EQ(system.FocusedPeer(), order[i % order.size()]->Peer()) << "step " << i;
      ui.PressKey(VK_TAB);
    }
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, StornoKeepsTheListFileWhileOblibeneGetsTheEditedList) {
  dir.Write("nte.txt", Lines({kA, kB, kC}));
  OpenAnd(
      [&] {
        AddAddress(kD);
        Tick(1);
        Press(form4->BitBtn2);
        EXPECT_EQ(Entries(), (Strings{kA, kC, kD}));
        Tick(0);
        Press(form4->BitBtn3);
      },
      [&] {
        EXPECT_EQ(dir.Read("nte.txt"), Lines({kA, kB, kC}));
        EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA, kC, kD}));
      });
  OpenAnd([&] {
    EXPECT_EQ(Entries(), (Strings{kA, kB, kC}));
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false, false}));
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, EveryWayOfClosingWritesOblibene) {
  dir.Write("nte.txt", Lines({kA}));
  const std::vector<std::function<void()>> closings{
      [&] { Press(form4->BitBtn1); },
      [&] { Press(form4->BitBtn3); },
      [&] { ui.PressKey(VK_RETURN); },
      [&] { ui.PressKey('S', TShiftState::Alt); },
      [&] { form4->Close(); },
  };
  for (size_t i = 0; i < closings.size(); ++i)
    OpenAnd(
        [&, i] {
          std::filesystem::remove(dir.File("oblibene.kln"));
          AddAddress(kB);
          closings[i]();
        },
        [&, i] {
          EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA, kB})) << "closing " << i;
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
        ui.PressKey(VK_RETURN);
      },
      [&] {
        EXPECT_EQ(dir.Read("nte.txt"), Lines({kA})) << "Enter does not add the typed address";
        EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA}));
        dir.Write("nte.txt", Lines({kA, kB}));
      });
  OpenAnd(
      [&] {
        Focus(form4->Box1);
        Tick(0);
        ui.PressKey(VK_RETURN);
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kA, kB})) << "S&mazat was not pressed"; });
  RunProgram();
}

TEST_F(Favorites, AFocusedButtonTakesEnterItself) {
  dir.Write("nte.txt", Lines({kB, kA, kC}));
  OpenAnd(
      [&] {
        Tick(0);
        Focus(form4->BitBtn2);
        ui.PressKey(VK_RETURN);
        EXPECT_EQ(Entries(), (Strings{kA, kC}));
        AddAddress(kB);
        Focus(form4->Button1);
        ui.PressKey(VK_RETURN);
        EXPECT_EQ(Entries(), (Strings{kA, kB, kC}));
        EXPECT_TRUE(form4->Visible());
        Focus(form4->BitBtn3);
        ui.PressKey(VK_RETURN);
      },
      [&] {
        EXPECT_EQ(dir.Read("nte.txt"), Lines({kB, kA, kC})) << "Storno, not OK";
        EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA, kB, kC}));
      });
  RunProgram();
}

TEST_F(Favorites, EscDeletesTheTickedEntriesWhateverHasTheFocusAndNeverCloses) {
  dir.Write("nte.txt", Lines({kA, kB, kC, kD}));
  OpenAnd([&] {
    ui.PressKey(VK_ESCAPE);
    EXPECT_EQ(Entries().size(), 4u) << "nothing ticked, nothing changes";
    Tick(0);
    ui.PressKey(VK_ESCAPE);
    EXPECT_EQ(Entries(), (Strings{kB, kC, kD})) << "from the edit box";
    Focus(form4->Box1);
    Tick(2);
    ui.PressKey(VK_ESCAPE);
    EXPECT_EQ(Entries(), (Strings{kB, kC})) << "from the list";
    for (const TControl* button : std::vector<const TControl*>{form4->BitBtn1, form4->BitBtn3}) {
      Focus(button);
      Tick(0);
      ui.PressKey(VK_ESCAPE);
    }
    EXPECT_EQ(Entries(), Strings{}) << "from the OK and Storno buttons";
    EXPECT_TRUE(form4->Visible());
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, SmazatRemovesTheTickedEntriesAndAnEmptiedListIsWrittenAndLoadedEmpty) {
  dir.Write("nte.txt", Lines({kA, kB, kC, kD}));
  OpenAnd(
      [&] {
        ui.Select(form4->Box1->Peer(), 3);
        Tick(0);
        Tick(1);
        Press(form4->BitBtn2);
        EXPECT_EQ(Entries(), (Strings{kC, kD})) << "a selected entry without a tick stays";
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

TEST_F(Favorites, SortingKeepsCzechAlphabeticalOrderForTheRestOfTheRun) {
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
}

TEST_F(Favorites, ANewRunStartsUnsorted) {
  dir.Write("nte.txt", Lines({kB, kA}));
  OpenAnd([&] {
    Press(form4->Button1);
    Press(form4->BitBtn3);
  });
  RunProgram();
  OpenAnd([&] {
    EXPECT_EQ(Entries(), (Strings{kB, kA}));
    AddAddress("http://0.cz/");
    EXPECT_EQ(Entries(), (Strings{kB, kA, "http://0.cz/"}));
    Press(form4->BitBtn3);
  });
  RunProgram();
}

TEST_F(Favorites, AltLettersInEitherCasePressTheButtons) {
  dir.Write("nte.txt", Lines({kB, kA}));
  OpenAnd(
      [&] {
        Tick(1);
        ui.PressKey('M', TShiftState::Alt);
        EXPECT_EQ(Entries(), Strings{kB});
        AddAddress(kA);
        ui.PressKey('A', TShiftState::Alt | TShiftState::Shift);
        EXPECT_EQ(Entries(), (Strings{kA, kB}));
        ui.PressKey('S', TShiftState::Alt);
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kB, kA})); });
  OpenAnd(
      [&] {
        Tick(0);
        ui.PressKey('M', TShiftState::Alt | TShiftState::Shift);
        ui.PressKey('O', TShiftState::Alt);
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kB})); });
  RunProgram();
}

TEST_F(Favorites, PlainLettersPressButtonsOnlyWhileAButtonHasTheFocus) {
  dir.Write("nte.txt", Lines({kB, kA}));
  OpenAnd(
      [&] {
        Tick(0);
        ui.Type("m");
        EXPECT_EQ(form4->Edit1->Text(), "http://m");
        Focus(form4->Box1);
        ui.Type("ma");
        EXPECT_EQ(Entries(), (Strings{kB, kA}));

        Focus(form4->BitBtn1);
        ui.Type("a");
        EXPECT_EQ(Entries(), (Strings{kA, kB}));
        ui.Type("m");
        EXPECT_EQ(Entries(), Strings{kA});
        ui.Type("S");
      },
      [&] { EXPECT_EQ(dir.Read("oblibene.kln"), Lines({kA})); });
  OpenAnd(
      [&] {
        Focus(form4->Button1);
        ui.Type("o");
      },
      [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kA, kB})) << "o on a button presses OK"; });
  RunProgram();
}

TEST_F(Favorites, SpaceTogglesTheSelectedEntrysTick) {
  dir.Write("nte.txt", Lines({kA, kB}));
  OpenAnd([&] {
    Focus(form4->Box1);
    ui.Select(form4->Box1->Peer(), 1);
    ui.PressKey(VK_SPACE);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, true}));
    ui.PressKey(VK_SPACE);
    EXPECT_EQ(Ticks(), (std::vector<bool>{false, false}));
    ui.PressKey(VK_SPACE);
    Press(form4->BitBtn2);
    EXPECT_EQ(Entries(), Strings{kA});
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

TEST_F(Favorites, AnUnwritableOblibeneIsReportedAndTheWindowStillCloses) {
  dir.Write("nte.txt", Lines({kA}));
  MakeFolder("oblibene.kln");
  OpenAnd([&] { Press(form4->BitBtn3); },
          [&] {
            EXPECT_EQ(Messages(), Strings{FileError("Cannot create file", "oblibene.kln", "Is a directory")});
            EXPECT_TRUE(Form1->Enabled());
            ui.PressKey(VK_F5);
            EXPECT_EQ(Web().calls.back(), "Refresh");
          });
  OpenAnd([&] { Press(form4->BitBtn1); }, [&] { EXPECT_EQ(dir.Read("nte.txt"), Lines({kA})); });
  RunProgram();
}

TEST_F(Favorites, AFailedOkWriteIsReportedAndTheWindowStillClosesAndWritesOblibene) {
  dir.Write("nte.txt", Lines({kA}));
  OpenAnd(
      [&] {
        MakeFolder("nte.txt");
        Press(form4->BitBtn1);
      },
      [&] {
        EXPECT_EQ(Messages(), Strings{FileError("Cannot create file", "nte.txt", "Is a directory")});
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
