#include <gtest/gtest.h>

#include "forms/TestWindow.h"
#include "rtl/Exceptions.h"
#include "support/HeadlessApp.h"

namespace {

using platform::headless::HeadlessDriver;

TTestWindow* mainWindow = nullptr;
TTestDialog* dialog = nullptr;

class Forms : public ::testing::Test {
 protected:
  Forms() {
    env.System().SetWorkArea({0, 0, 1280, 994});
    env.App().CreateForm(mainWindow);
    env.App().CreateForm(dialog);
  }
  ~Forms() override { mainWindow = nullptr, dialog = nullptr; }

  HeadlessApp env;
  HeadlessDriver& ui = env.Ui();
};

TEST_F(Forms, ShowingMakesTheWindowActiveAndFocusesItsFirstControlInTabOrder) {
  EXPECT_TRUE(mainWindow->Visible());
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(mainWindow->ActiveControl(), mainWindow->Box);
  EXPECT_EQ(mainWindow->activations, 1);
  EXPECT_EQ(env.App().MainForm(), mainWindow);
  EXPECT_EQ(env.System().FocusedPeer(), mainWindow->Box->Peer());
}

TEST_F(Forms, AModalWindowDisablesTheOthersAndGivesTheFocusBackWithoutActivation) {
  int result = -1;
  env.System().QueueScript([&] {
    EXPECT_FALSE(mainWindow->Enabled());
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(dialog->activations, 1);
    ui.PressKey(VK_F5);  // the dialog has no menu and the main window is disabled
    EXPECT_EQ(mainWindow->refreshes, 0);
    ui.PressKey(VK_RETURN);  // the OK button is the default button
  });
  result = dialog->ShowModal();
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(dialog->closes, 1);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(mainWindow->Enabled());
  EXPECT_EQ(mainWindow->activations, 1) << "returning from a modal window does not activate anew";
  EXPECT_EQ(env.App().FocusedForm(), mainWindow);
  EXPECT_EQ(env.System().FocusedPeer(), mainWindow->Box->Peer());

  // Switching back from another program does not activate either.
  ui.ActivateWindow(mainWindow->Peer());
  EXPECT_EQ(mainWindow->activations, 1);

  // Each showing activates the dialog once.
  env.System().QueueScript([&] { dialog->Close(); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(dialog->activations, 2);
}

TEST_F(Forms, AModalWindowWhoseCloseHandlerFailsIsReportedAndStillCloses) {
  dialog->OnClose = [](TObject*, TCloseAction&) { throw EWriteError(); };
  env.System().QueueScript([&] { ui.Click(dialog->Ok->Peer()); });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(mainWindow->Enabled());
  EXPECT_EQ(env.Messages(), std::vector<std::string>{"Stream write error."});
}

TEST_F(Forms, TheMainWindowStaysOpenWhenItsCloseHandlerFails) {
  int attempts = 0;
  mainWindow->OnClose = [&](TObject*, TCloseAction&) {
    if (++attempts == 1) throw EFCreateError("Cannot create file \"/x/history.kln\". Permission denied");
  };
  env.System().QueueScript([&] {
    ui.CloseWindow(mainWindow->Peer());
    EXPECT_TRUE(mainWindow->Visible());
    EXPECT_FALSE(env.App().Terminated());
    ui.CloseWindow(mainWindow->Peer());
  });
  env.App().Run();
  EXPECT_EQ(attempts, 2);
  EXPECT_TRUE(env.App().Terminated());
  ASSERT_EQ(env.System().MessageBoxes().size(), 1u);
  EXPECT_EQ(env.System().MessageBoxes()[0].text, "Cannot create file \"/x/history.kln\". Permission denied.");
}

TEST_F(Forms, AClientAlignedWindowCoversTheWorkAreaWheneverAWindowIsShownOrHidden) {
  mainWindow->SetAlign(alClient);
  dialog->Show();
  EXPECT_EQ(mainWindow->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));

  ui.MoveResize(mainWindow->Peer(), {100, 100, 500, 400});
  EXPECT_EQ(mainWindow->Width(), 500) << "between showings the user may resize freely";
  dialog->Hide();
  EXPECT_EQ(mainWindow->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));

  mainWindow->SetWindowState(wsMinimized);
  ui.MoveResize(mainWindow->Peer(), {0, 0, 160, 30});
  dialog->Show();
  EXPECT_EQ(mainWindow->Width(), 160) << "a minimised window is left alone";
}

TEST_F(Forms, OuterAndClientSizeDifferByTheFrame) {
  TTestWindow& w = *mainWindow;  // sizeable frame and a menu bar
  w.SetClientWidth(991);
  w.SetClientHeight(626);
  EXPECT_EQ(w.Width(), 999);
  EXPECT_EQ(w.Height(), 680);
  TTestDialog& d = *dialog;  // single frame, no menu
  d.SetClientWidth(624);
  d.SetClientHeight(575);
  EXPECT_EQ(d.Width(), 630);
  EXPECT_EQ(d.Height(), 607);
}

TEST_F(Forms, AlignedChildrenShareTheClientAreaInTheClassLibrarysOrder) {
  TTestWindow& w = *mainWindow;
  w.SetClientWidth(600);
  w.SetClientHeight(400);
  w.Box->SetAlign(alTop);
  w.Box->SetHeight(35);
  w.Go->SetAlign(alClient);
  w.Panel->SetVisible(true);
  EXPECT_EQ(w.Box->BoundsRect(), (platform::Rect{0, 0, 600, 35}));
  EXPECT_EQ(w.Panel->BoundsRect(), (platform::Rect{0, 35, 185, 365}));
  EXPECT_EQ(w.Go->BoundsRect(), (platform::Rect{185, 35, 415, 365}));
  // Children of the panel share its page area, inside the tab row.
  w.List->SetAlign(alLeft);
  EXPECT_EQ(w.List->BoundsRect(), (platform::Rect{4, 24, 170, 337}));

  // A control taken out of alignment keeps its place when the window grows.
  w.Go->SetAlign(alNone);
  w.SetClientHeight(500);
  EXPECT_EQ(w.Go->BoundsRect(), (platform::Rect{185, 35, 415, 365}));
  EXPECT_EQ(w.Panel->Height(), 465);
}

}  // namespace
