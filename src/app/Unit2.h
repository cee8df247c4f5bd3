#pragma once
// The goodbye window, created at start and never shown.
#include "forms/Buttons.h"
#include "forms/Dialogs.h"
#include "forms/TAnimate.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"

class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);

  TLabel* Label1;
  TAnimate* Animate2;
  TAnimate* Animate3;
  TImage* Image1;
  TBitBtn* BitBtn1;
  TLabel* Label2;
  TXPManifest* XPManifest1;

  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
  void Button1Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);

 private:
  void BuildDesign();
  // The controls in design order.
  void BuildControls();
  void BindHandlers();
};

extern TForm2* Form2;
