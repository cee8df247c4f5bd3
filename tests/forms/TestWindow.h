#pragma once
// A small window with the controls key routing cares about: an address box,
// a go button, a hidden panel holding a default-and-cancel button and a list,
// and a menu with the shortcuts F5, Delete and F1. Also a dialog with an OK
// button, and a fixture showing both on a 1280 x 994 work area.
#include <gtest/gtest.h>

#include "forms/Buttons.h"
#include "forms/Containers.h"
#include "forms/Menus.h"
#include "forms/TCheckListBox.h"
#include "forms/TComboBox.h"
#include "forms/TForm.h"
#include "support/HeadlessApp.h"

class TTestWindow : public TForm {
 public:
  explicit TTestWindow(TComponent* owner);

  TComboBox* Box;
  TBitBtn *Go, *Delete;
  TTabControl* Panel;
  TCheckListBox* List;
  TMenuItem *Refresh, *Stop, *Help;

  int refreshes = 0, stops = 0, helps = 0, goes = 0, deletes = 0, activations = 0;
  std::vector<Word> boxKeys, windowKeys;
};

class TTestDialog : public TForm {
 public:
  explicit TTestDialog(TComponent* owner);
  TBitBtn* Ok;  // the default button, modal result OK
  int activations = 0, closes = 0;
};

class FormsTest : public ::testing::Test {
 protected:
  FormsTest() {
    env.System().SetWorkArea({0, 0, 1280, 994});
    env.App().CreateForm(window);
    env.App().CreateForm(dialog);
  }

  HeadlessApp env;
  platform::headless::HeadlessDriver& ui = env.Ui();
  TTestWindow* window = nullptr;
  TTestDialog* dialog = nullptr;
};
