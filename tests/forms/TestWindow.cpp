#include "forms/TestWindow.h"

namespace {

template <class T>
T* Make(TComponent* owner, const char* name, TWinControl* parent, int tabOrder = 0) {
  T* control = TComponent::Create<T>(owner, name);
  control->SetParent(parent);
  control->SetTabOrder(tabOrder);
  return control;
}

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const char* caption, TShortCut shortCut = {}) {
  TMenuItem* item = TComponent::Create<TMenuItem>(owner, caption);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  parent->Add(item);
  return item;
}

}  // namespace

TTestWindow::TTestWindow(TComponent* owner) : TForm(owner) {
  SetBounds(10, 10, 600, 400);
  SetDesignVisible(true);
  Box = Make<TComboBox>(this, "Box", this, 0);
  Box->SetBounds(0, 0, 200, 21);
  Go = Make<TBitBtn>(this, "Go", this, 1);
  Go->SetBounds(200, 0, 50, 21);
  Panel = Make<TTabControl>(this, "Panel", this, 2);
  Panel->SetBounds(0, 30, 185, 300);
  Panel->SetAlign(alLeft);
  Panel->SetVisible(false);
  List = Make<TCheckListBox>(this, "List", Panel);
  List->SetBounds(4, 24, 170, 200);
  Delete = Make<TBitBtn>(this, "Delete", Panel);
  Delete->SetCaption("S&mazat");
  Delete->SetDefault(true);
  Delete->SetCancel(true);

  TMainMenu* menu = TComponent::Create<TMainMenu>(this, "Menu");
  TMenuItem* options = Item(this, menu->Items(), "&Možnosti");
  Refresh = Item(this, options, "&Aktualizovat", {VK_F5, {}});
  Stop = Item(this, options, "&Stop", {VK_DELETE, {}});
  Help = Item(this, menu->Items(), "&Nápověda", {VK_F1, {}});
  SetMenu(menu);

  Refresh->OnClick = [this](TObject*) { ++refreshes; };
  Stop->OnClick = [this](TObject*) { ++stops; };
  Help->OnClick = [this](TObject*) { ++helps; };
  Go->OnClick = [this](TObject*) { ++goes; };
  Delete->OnClick = [this](TObject*) { ++deletes; };
  Box->OnKeyDown = [this](TObject*, Word& key, TShiftState) { boxKeys.push_back(key); };
  OnKeyDown = [this](TObject*, Word& key, TShiftState) { windowKeys.push_back(key); };
  OnActivate = [this](TObject*) { ++activations; };
}

TTestDialog::TTestDialog(TComponent* owner) : TForm(owner) {
  SetBounds(50, 50, 300, 200);
  SetBorderStyle(bsSingle);
  Ok = TComponent::Create<TBitBtn>(this, "Ok");
  Ok->SetParent(this);
  Ok->SetKind(bkOK);
  Ok->SetCaption("&OK");
  OnActivate = [this](TObject*) { ++activations; };
  OnClose = [this](TObject*, TCloseAction&) { ++closes; };
}
