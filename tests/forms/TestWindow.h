#pragma once
// A small window with the controls key routing cares about: an address box,
// a go button, a hidden panel holding a default-and-cancel button, a list,
// and a menu with the shortcuts F5 and Delete.
#include "forms/Buttons.h"
#include "forms/Containers.h"
#include "forms/Menus.h"
#include "forms/TCheckListBox.h"
#include "forms/TComboBox.h"
#include "forms/TForm.h"

class TTestWindow : public TForm {
 public:
  explicit TTestWindow(TComponent* owner);

  TComboBox* Box;
  TBitBtn* Go;
  TTabControl* Panel;
  TCheckListBox* List;
  TBitBtn* Delete;
  TMainMenu* Menu;
  TMenuItem* Options;
  TMenuItem* Refresh;
  TMenuItem* Stop;
  TMenuItem* Help;

  int refreshes = 0;
  int stops = 0;
  int helps = 0;
  int goes = 0;
  int deletes = 0;
  int activations = 0;
  std::vector<Word> boxKeys;
  std::vector<Word> windowKeys;
};

// A plain window with an OK button (modal result 1) and an edit box.
class TTestDialog : public TForm {
 public:
  explicit TTestDialog(TComponent* owner);
  TBitBtn* Ok;
  int activations = 0;
  int closes = 0;
};
