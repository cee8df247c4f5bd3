#include <gtest/gtest.h>

#include "forms/TestWindow.h"

namespace {

using KeyRouting = FormsTest;

TEST_F(KeyRouting, MenuShortcutsComeFirstAndTheWindowSeesKeysOnlyWhileItHoldsTheFocus) {
  window->Box->SetText("abc");
  ui.PressKey(VK_DELETE);
  ui.PressKey(VK_F5);
  ui.PressKey(VK_F1);
  EXPECT_EQ(window->stops, 1);
  EXPECT_EQ(window->refreshes, 1);
  EXPECT_EQ(window->helps, 1);
  EXPECT_EQ(window->Box->Text(), "abc") << "Delete must not delete a character";
  EXPECT_TRUE(window->boxKeys.empty()) << "shortcut keys never reach the box";

  // With a modifier the key is no shortcut and goes on to the focused control.
  ui.PressKey(VK_F5, TShiftState::Ctrl);
  EXPECT_EQ(window->refreshes, 1);
  EXPECT_EQ(window->boxKeys, std::vector<Word>{VK_F5});
  EXPECT_TRUE(window->windowKeys.empty());
  window->FocusControl(nullptr);
  ui.PressKey(VK_F5, TShiftState::Ctrl);
  ui.PressKey(VK_F5);
  EXPECT_EQ(window->windowKeys, std::vector<Word>{VK_F5});
  EXPECT_EQ(window->refreshes, 2) << "plain F5 is used up by the menu";
}

TEST_F(KeyRouting, PlainEnterAndEscGoToTheDefaultAndCancelButtonOnlyWhileItCanTakeTheFocus) {
  ui.PressKey(VK_RETURN);
  ui.PressKey(VK_ESCAPE);
  EXPECT_EQ(window->deletes, 0) << "the button is hidden";
  EXPECT_EQ(window->boxKeys, (std::vector<Word>{VK_RETURN, VK_ESCAPE}));

  window->Panel->SetVisible(true);
  window->boxKeys.clear();
  ui.PressKey(VK_RETURN);
  ui.PressKey(VK_ESCAPE);
  EXPECT_EQ(window->deletes, 2);
  EXPECT_TRUE(window->boxKeys.empty());
  ui.PressKey(VK_RETURN, TShiftState::Shift);
  ui.PressKey(VK_RETURN, TShiftState::Ctrl);
  EXPECT_EQ(window->boxKeys, (std::vector<Word>{VK_RETURN, VK_RETURN}));

  // With the drop-down list open the box keeps Enter, and the list closes.
  ui.SetDropDown(window->Box->Peer(), true);
  ui.PressKey(VK_RETURN);
  EXPECT_EQ(window->deletes, 2);
  EXPECT_EQ(window->boxKeys.size(), 3u);
  EXPECT_FALSE(window->Box->DroppedDown());
  EXPECT_FALSE(PeerOf(window->Box).droppedDown);

  // A focused button takes Enter itself; Esc still goes to the cancel button.
  ui.Focus(window->Go->Peer());
  ui.PressKey(VK_RETURN);
  EXPECT_EQ(window->goes, 1);
  EXPECT_EQ(window->deletes, 2);
  ui.PressKey(VK_ESCAPE);
  EXPECT_EQ(window->deletes, 3);
}

TEST_F(KeyRouting, AccessKeysPressButtonsBeforeOpeningMenusAndPlainLettersOnlyOnAFocusedButton) {
  ui.PressKey('M', TShiftState::Alt);
  EXPECT_EQ(PeerOf(window).openMenu, 0) << "Alt+M opens the menu while the button is hidden";
  EXPECT_EQ(window->deletes, 0);

  window->Panel->SetVisible(true);
  PeerOf(window).openMenu = -1;
  ui.PressKey('M', TShiftState::Alt);
  ui.PressKey('M', TShiftState::Alt | TShiftState::Shift);
  EXPECT_EQ(window->deletes, 2);
  EXPECT_EQ(PeerOf(window).openMenu, -1);
  ui.PressKey('N', TShiftState::Alt);
  EXPECT_EQ(window->helps, 1) << "a menu-bar entry without a sub-menu is a command of its own";

  ui.Type("m");
  EXPECT_EQ(window->Box->Text(), "m");
  ui.Focus(window->List->Peer());
  ui.Type("m");
  EXPECT_EQ(window->deletes, 2);
  ui.Focus(window->Go->Peer());
  ui.Type("m");
  EXPECT_EQ(window->deletes, 3);
}

TEST_F(KeyRouting, TabMovesTheFocusInTabOrderSkippingWhatCannotTakeIt) {
  ui.PressKey(VK_TAB);
  EXPECT_EQ(window->ActiveControl(), window->Go);
  ui.PressKey(VK_TAB);
  EXPECT_EQ(window->ActiveControl(), window->Box) << "the hidden panel is skipped";
  window->Panel->SetVisible(true);
  ui.PressKey(VK_TAB, TShiftState::Shift);
  EXPECT_EQ(window->ActiveControl(), window->Delete);
}

}  // namespace
