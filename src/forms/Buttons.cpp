#include "forms/Buttons.h"

#include "forms/Menus.h"
#include "forms/TForm.h"
#include "rtl/CodePage.h"

TButtonControl::TButtonControl(TComponent* owner) : TButtonBase(owner) { SetTabStop(true); }

platform::IControlPeer& TButtonControl::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateButtonPeer(*parent, *this);
  return *peer_;
}

void TButtonControl::Click() {
  if (TForm* form = ParentForm(); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

bool TButtonControl::DialogKey(Word key) {
  const bool mine = (key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_);
  if (!mine || !CanFocus()) return false;
  Click();
  return true;
}

bool TButtonControl::DialogChar(char ch) {
  const char key = AccessKeyOf(Caption());
  if (key == 0 || key != AnsiUpperCase(std::string(1, ch))[0] || !CanFocus()) return false;
  Click();
  return true;
}

bool TButtonControl::KeyDown(Word& key, TShiftState shift) {
  if (TWinControl::KeyDown(key, shift)) return true;
  if ((key != VK_RETURN && key != VK_SPACE) || !shift.Empty()) return false;
  Click();
  return true;
}

bool TButtonControl::KeyPress(char ch) {
  // A plain letter on a button is an access key.
  TForm* form = ParentForm();
  return form && form->DialogChar(ch);
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  switch (kind) {
    case bkOK:
      SetCaption("OK");
      SetDefault(true);
      SetModalResult(mrOk);
      SetPicture("ok");
      break;
    case bkCancel:
      SetCaption("Cancel");
      SetCancel(true);
      SetModalResult(mrCancel);
      SetPicture("cancel");
      break;
    case bkCustom:
      break;
  }
}

platform::IControlPeer& TSpeedButton::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateSpeedButtonPeer(*parent, *this);
  return *peer_;
}
