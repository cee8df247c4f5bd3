#include <gtest/gtest.h>

#include "forms/TImage.h"
#include "forms/TTimer.h"
#include "forms/TestWindow.h"
#include "rtl/Exceptions.h"
#include "support/HeadlessApp.h"

namespace {

using platform::headless::HeadlessDriver;

class Controls : public ::testing::Test {
 protected:
  Controls() {
    env.App().CreateForm(window);
    ui.Focus(window->Box->Peer());
  }
  HeadlessApp env;
  HeadlessDriver& ui = env.Ui();
  TTestWindow* window = nullptr;
};

TEST_F(Controls, TypingCompletesFromTheOldestEntryThatBeginsWithTheText) {
  TStrings& items = *window->Box->Items();
  for (const char* s : {"xyz", "abcd", "abXX", "\xe8" "esko"}) items.Add(s);  // "česko"
  ui.Type("AB");
  EXPECT_EQ(window->Box->Text(), "ABcd");
  EXPECT_EQ(window->Box->SelStart(), 2);
  EXPECT_EQ(window->Box->SelLength(), 2);
  EXPECT_EQ(window->Box->ItemIndex(), 1);
  EXPECT_FALSE(window->Box->DroppedDown()) << "the list does not open by itself";

  ui.PressKey(VK_BACK);
  EXPECT_EQ(window->Box->Text(), "AB") << "Backspace removes the highlighted rest";
  ui.Type("X");
  EXPECT_EQ(window->Box->Text(), "ABXX");
  ui.PressKey(VK_BACK);
  ui.PressKey(VK_BACK);
  EXPECT_EQ(window->Box->Text(), "AB");
  ui.Type("q");
  EXPECT_EQ(window->Box->Text(), "ABq") << "no entry matches: the character is typed";

  window->Box->SetText("");
  ui.Type("\xc8");  // "Č"
  EXPECT_EQ(window->Box->Text(), "\xc8" "esko") << "letters with diacritics compare without case";
}

TEST_F(Controls, ChoosingFromTheDropDownPutsTheEntryIntoTheText) {
  window->Box->Items()->Add("one");
  window->Box->Items()->Add("two");
  ui.Select(window->Box->Peer(), 1);
  EXPECT_EQ(window->Box->Text(), "two");
  EXPECT_TRUE(window->boxKeys.empty());
}

TEST_F(Controls, LoadingTheBoxKeepsItsTextAndRedrawsTheListOnce) {
  char dir[] = "/tmp/kalnor-controls-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string file = std::string(dir) + "/list.kln";
  FILE* f = fopen(file.c_str(), "wb");
  fputs("a\r\nb\r\nc\r\n", f);
  fclose(f);
  window->Box->SetText("typed");
  const int redraws = HeadlessApp::Peer(window->Box).itemRedraws;
  window->Box->Items()->LoadFromFile(file);
  EXPECT_EQ(window->Box->Text(), "typed");
  EXPECT_EQ(HeadlessApp::Peer(window->Box).items, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(HeadlessApp::Peer(window->Box).itemRedraws, redraws + 1);
  remove(file.c_str());
  rmdir(dir);
}

TEST_F(Controls, TicksFollowClicksAndSpaceAndStayWithTheirEntriesWhenSorted) {
  TCheckListBox& list = *window->List;
  window->Panel->SetVisible(true);
  for (const char* s : {"c", "a", "b"}) list.Items()->Add(s);
  ui.Tick(list.Peer(), 0, true);
  EXPECT_TRUE(list.Checked(0));
  ui.Focus(list.Peer());
  ui.Select(list.Peer(), 2);
  ui.PressKey(VK_SPACE);
  EXPECT_TRUE(list.Checked(2));
  ui.PressKey(VK_SPACE);
  EXPECT_FALSE(list.Checked(2));

  list.SetSorted(true);
  EXPECT_EQ(HeadlessApp::Peer(&list).items, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(list.Checked(2));
  EXPECT_EQ(HeadlessApp::Peer(&list).checked, (std::vector<bool>{false, false, true}));
}

TEST_F(Controls, AListThatRefusesAnEntryRaisesAndKeepsWhatItHas) {
  HeadlessApp::Peer(window->List).refuseItemsFrom = 1;
  window->List->Items()->Add("first");
  try {
    window->List->Items()->Add("second");
    FAIL() << "the entry was taken";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(e.Message, "Unable to insert a line");
  }
  EXPECT_EQ(window->List->Items()->Count(), 1);
}

TEST_F(Controls, ATimerTicksThroughTheDispatchAndGoesOnAfterAFailure) {
  TTimer* timer = TComponent::Create<TTimer>(window, "Timer");
  int ticks = 0;
  timer->SetOnTimer([&](TObject*) {
    if (++ticks == 2) throw Exception("tick failed");
  });
  env.System().AdvanceTime(999);
  EXPECT_EQ(ticks, 0);
  env.System().AdvanceTime(3001);
  EXPECT_EQ(ticks, 4);
  EXPECT_EQ(env.Messages(), std::vector<std::string>{"tick failed."});

  env.System().SetTimersAvailable(false);
  TTimer* another = TComponent::Create<TTimer>(window, "Another");
  EXPECT_THROW(another->SetOnTimer([](TObject*) {}), EOutOfResources);
}

TEST_F(Controls, APicturePlacedLaterKeepsItsPointerAndTakesClicksButNotTheFocus) {
  TImage* image = TComponent::Create<TImage>(window, "Image");
  int clicks = 0;
  image->OnClick = [&](TObject*) { ++clicks; };
  image->SetCursor(crHandPoint);
  image->SetParent(window);
  EXPECT_EQ(HeadlessApp::Peer(image).cursor, platform::Cursor::HandPoint);
  ui.Click(image->Peer());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(env.System().FocusedPeer(), window->Box->Peer());
  image->SetCursor(crDefault);
  EXPECT_EQ(HeadlessApp::Peer(image).cursor, platform::Cursor::Default);
}

}  // namespace
