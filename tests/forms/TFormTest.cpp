#include <gtest/gtest.h>

#include "forms/TestWindow.h"
#include "rtl/Exceptions.h"

namespace {

using Forms = FormsTest;

TEST_F(Forms, ShowingMakesTheWindowActiveAndFocusesItsFirstControlInTabOrder) {
  EXPECT_TRUE(window->Visible());
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(window->ActiveControl(), window->Box);
  EXPECT_EQ(window->activations, 1);
  EXPECT_EQ(env.App().MainForm(), window);
  EXPECT_EQ(env.System().FocusedPeer(), window->Box->Peer());
}

TEST_F(Forms, AModalWindowDisablesTheOthersAndGivesTheFocusBackWithoutActivation) {
  env.System().QueueScript([&] {
    EXPECT_FALSE(window->Enabled());
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(dialog->activations, 1);
    ui.PressKey(VK_F5);  // the dialog has no menu and the main window is disabled
    EXPECT_EQ(window->refreshes, 0);
    ui.PressKey(VK_RETURN);  // the OK button is the default button
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(dialog->closes, 1);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(window->Enabled());
  EXPECT_EQ(window->activations, 1) << "returning from a modal window does not activate anew";
  EXPECT_EQ(env.App().FocusedForm(), window);
  EXPECT_EQ(env.System().FocusedPeer(), window->Box->Peer());
  ui.ActivateWindow(window->Peer());
  EXPECT_EQ(window->activations, 1) << "nor does switching back from another program";

  // Each showing activates the dialog once, and a failing close handler is
  // reported without keeping the window open.
  dialog->OnClose = [](TObject*, TCloseAction&) { throw EWriteError(); };
  env.System().QueueScript([&] { ui.Click(dialog->Ok->Peer()); });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(dialog->activations, 2);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(window->Enabled());
  EXPECT_EQ(env.Messages(), std::vector<std::string>{"Stream write error."});
  env.System().QueueScript([&] { dialog->Close(); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Forms, TheMainWindowStaysOpenWhenItsCloseHandlerFails) {
  int attempts = 0;
  window->OnClose = [&](TObject*, TCloseAction&) {
    if (++attempts == 1) throw EFCreateError("Cannot create file \"/x/history.kln\". Permission denied");
  };
  env.System().QueueScript([&] {
    ui.CloseWindow(window->Peer());
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(env.App().Terminated());
    ui.CloseWindow(window->Peer());
  });
  env.App().Run();
  EXPECT_EQ(attempts, 2);
  EXPECT_TRUE(env.App().Terminated());
  EXPECT_EQ(env.Messages(), std::vector<std::string>{"Cannot create file \"/x/history.kln\". Permission denied."});
}

TEST_F(Forms, AClientAlignedWindowCoversTheWorkAreaWheneverAWindowIsShownOrHidden) {
  window->SetAlign(alClient);
  dialog->Show();
  EXPECT_EQ(window->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));

  ui.MoveResize(window->Peer(), {100, 100, 500, 400});
  EXPECT_EQ(window->Width(), 500) << "between showings the user may resize freely";
  dialog->Hide();
  EXPECT_EQ(window->BoundsRect(), (platform::Rect{0, 0, 1280, 994}));

  window->SetWindowState(wsMinimized);
  ui.MoveResize(window->Peer(), {0, 0, 160, 30});
  dialog->Show();
  EXPECT_EQ(window->Width(), 160) << "a minimised window is left alone";
}

TEST_F(Forms, OuterAndClientSizeDifferByTheFrameAndAlignedChildrenShareTheClientArea) {
  TTestWindow& w = *window;  // sizeable frame and a menu bar
  w.SetClientWidth(991);
  w.SetClientHeight(626);
  EXPECT_EQ(w.Width(), 999);
  EXPECT_EQ(w.Height(), 680);
  dialog->SetClientWidth(624);  // single frame, no menu
  dialog->SetClientHeight(575);
  EXPECT_EQ(dialog->Width(), 630);
  EXPECT_EQ(dialog->Height(), 607);

  // In the class library's order: top, bottom, left, right, then the client.
  w.SetClientWidth(600);
  w.SetClientHeight(400);
  w.Box->SetAlign(alTop);
  w.Box->SetHeight(35);
  w.Go->SetAlign(alClient);
  w.Panel->SetVisible(true);
  EXPECT_EQ(w.Box->BoundsRect(), (platform::Rect{0, 0, 600, 35}));
  EXPECT_EQ(w.Panel->BoundsRect(), (platform::Rect{0, 35, 185, 365}));
  EXPECT_EQ(w.Go->BoundsRect(), (platform::Rect{185, 35, 415, 365}));
  w.List->SetAlign(alLeft);
  EXPECT_EQ(w.List->BoundsRect(), (platform::Rect{4, 24, 170, 337})) << "inside the panel's tab row";

  // A control taken out of alignment keeps its place when the window grows.
  w.Go->SetAlign(alNone);
  w.SetClientHeight(500);
  EXPECT_EQ(w.Go->BoundsRect(), (platform::Rect{185, 35, 415, 365}));
  EXPECT_EQ(w.Panel->Height(), 465);
}

// Under a window manager whose frame differs from the fixed table, the
// client area is the one the window really got: the children are laid out in
// it. A window sized by its client area keeps that size in the real frame.
TEST_F(Forms, AWindowManagersOwnFrameGivesTheClientAreaTheWindowReallyGot) {
  env.System().SetWindowManagerFrame({1, 20, 1, 5});
  dialog->SetClientWidth(624);
  dialog->SetClientHeight(575);
  window->SetAlign(alClient);
  window->Go->SetAlign(alClient);
  const struct {
    const char* what;
    std::function<void()> act;
    platform::Rect bounds;
  } steps[] = {
      {"a resize by the user", [&] { ui.MoveResize(window->Peer(), {10, 10, 500, 400}); }, {10, 10, 500, 400}},
      {"laid over the work area", [&] { dialog->Show(); }, {0, 0, 1280, 994}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    env.App().ProcessMessages();
    const platform::Rect client{0, 0, step.bounds.width - 2, step.bounds.height - 25 - 20};
    EXPECT_EQ(window->BoundsRect(), step.bounds);
    EXPECT_EQ(window->DisplayRect(), client) << "frame and menu bar taken off";
    EXPECT_EQ(window->Go->BoundsRect(), client);
  }
  EXPECT_EQ(dialog->DisplayRect(), (platform::Rect{0, 0, 624, 575}));
  EXPECT_EQ(dialog->Width(), 626);
  EXPECT_EQ(dialog->Height(), 600);
  EXPECT_EQ(PeerOf(dialog).ClientRect(), (platform::Rect{0, 0, 624, 575}));
}

// The title bar offers the designed buttons; while a modal window is up the
// windows behind it offer none, and a window manager that minimises the
// application's windows anyway gets them back at once: the user is never
// left with an empty screen and no way back.
TEST_F(Forms, TitleBarsOfferTheDesignedButtonsAndAModalWindowIsNeverMinimisedAway) {
  const platform::BorderIcons all;
  const platform::BorderIcons none{false, false, false};
  dialog->SetNoBorderIcons();
  EXPECT_EQ(PeerOf(window).borderIcons, all);
  EXPECT_EQ(PeerOf(dialog).borderIcons, none);
  EXPECT_EQ(PeerOf(dialog).border, bsSingle);

  env.System().QueueScript([&] {
    EXPECT_EQ(PeerOf(window).borderIcons, none) << "disabled behind the modal window";
    for (TForm* minimised : std::vector<TForm*>{window, dialog}) {
      ui.ChangeWindowState(minimised->Peer(), platform::WindowState::Minimized);
      EXPECT_EQ(PeerOf(minimised).windowState, platform::WindowState::Normal);
      EXPECT_EQ(minimised->WindowState(), wsNormal);
    }
    ui.ChangeWindowState(window->Peer(), platform::WindowState::Maximized);
    ui.ChangeWindowState(window->Peer(), platform::WindowState::Minimized);
    EXPECT_EQ(PeerOf(window).windowState, platform::WindowState::Maximized) << "back as it was";
    ui.ChangeWindowState(window->Peer(), platform::WindowState::Normal);
    ui.Click(dialog->Ok->Peer());
  });
  dialog->ShowModal();
  EXPECT_EQ(PeerOf(window).borderIcons, all);
  ui.ChangeWindowState(window->Peer(), platform::WindowState::Minimized);
  EXPECT_EQ(window->WindowState(), wsMinimized) << "with no modal window up it stays minimised";
}

}  // namespace
