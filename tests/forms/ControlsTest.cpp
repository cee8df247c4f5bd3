#include <gtest/gtest.h>

#include "forms/TImage.h"
#include "forms/TMemo.h"
#include "forms/TTimer.h"
#include "forms/TestWindow.h"
#include "rtl/Exceptions.h"
#include "support/TempDir.h"

namespace {

using Controls = FormsTest;

TEST_F(Controls, TypingCompletesFromTheOldestEntryThatBeginsWithTheText) {
  TComboBox& box = *window->Box;
  for (const char* s : {"xyz", "abcd", "abXX", "\xe8" "esko"}) box.Items()->Add(s);  // "česko"
  ui.Type("AB");
  EXPECT_EQ(box.Text(), "ABcd");
  EXPECT_EQ(box.SelStart(), 2);
  EXPECT_EQ(box.SelLength(), 2);
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_FALSE(box.DroppedDown()) << "the list does not open by itself";

  ui.PressKey(VK_BACK);
  EXPECT_EQ(box.Text(), "AB") << "Backspace removes the highlighted rest";
  ui.Type("X");
  EXPECT_EQ(box.Text(), "ABXX");
  ui.PressKey(VK_BACK);
  ui.PressKey(VK_BACK);
  ui.Type("q");
  EXPECT_EQ(box.Text(), "ABq") << "no entry matches: the character is typed";

  box.SetText("");
  ui.Type("\xc8");  // "Č"
  EXPECT_EQ(box.Text(), "\xc8" "esko") << "letters with diacritics compare without case";
}

TEST_F(Controls, CompletionSearchesForTheTextBeforeTheHighlightWhereverTheUserLeftIt) {
  TComboBox& box = *window->Box;
  for (const char* s : {"abcd", "abxy"}) box.Items()->Add(s);
  ui.Type("ab");
  ASSERT_EQ(box.Text(), "abcd");
  ui.PressKey(VK_END);
  ui.Type("x");
  EXPECT_EQ(box.Text(), "abcdx") << "no highlight left: the whole text is searched for";
  ui.PressKey(VK_HOME);
  ui.PressKey(VK_RIGHT);
  ui.PressKey(VK_RIGHT);
  EXPECT_EQ(box.SelStart(), 2);
  EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(Controls, LoadingTheBoxKeepsItsTextAndRedrawsTheListOnce) {
  const TempDir dir;
  dir.Write("list.kln", "a\r\nb\r\nc\r\n");
  window->Box->SetText("typed");
  const int redraws = PeerOf(window->Box).itemRedraws;
  window->Box->Items()->LoadFromFile(dir.File("list.kln"));
  EXPECT_EQ(window->Box->Text(), "typed");
  EXPECT_EQ(PeerOf(window->Box).items, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(PeerOf(window->Box).itemRedraws, redraws + 1);
}

TEST_F(Controls, TicksFollowClicksAndSpace) {
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
  EXPECT_EQ(PeerOf(&list).checked, (std::vector<bool>{true, false, false}));
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
  EXPECT_EQ(PeerOf(image).cursor, platform::Cursor::HandPoint);
  ui.Click(image->Peer());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(env.System().FocusedPeer(), window->Box->Peer());
  image->SetCursor(crDefault);
  EXPECT_EQ(PeerOf(image).cursor, platform::Cursor::Default);
}

TEST_F(Controls, AMemoShowsItsLinesAsOneTextOncePerUpdate) {
  TMemo* memo = TComponent::Create<TMemo>(window, "Memo");
  memo->SetParent(window);
  memo->Lines()->Add("first");
  memo->Lines()->Add("");
  EXPECT_EQ(PeerOf(memo).text, "first\r\n");
  memo->Lines()->BeginUpdate();
  memo->Lines()->Delete(0);
  memo->Lines()->Add("third");
  EXPECT_EQ(PeerOf(memo).text, "first\r\n") << "shown once the update ends";
  memo->Lines()->EndUpdate();
  EXPECT_EQ(PeerOf(memo).text, "\r\nthird");
}

}  // namespace
