#pragma once
// The favorites window.
#include "forms/Buttons.h"
#include "forms/Dialogs.h"
#include "forms/TCheckListBox.h"
#include "forms/TCustomEdit.h"
#include "forms/TForm.h"
#include "forms/TImage.h"

class Tform4 : public TForm {
 public:
  explicit Tform4(TComponent* owner);

  TImage* Image1;
  TEdit* Edit1;
  TCheckListBox* Box1;
  TBitBtn* BitBtn1;
  TBitBtn* BitBtn2;
  TBitBtn* BitBtn3;
  TButton* Button1;
  TXPManifest* XPManifest1;

  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Image1Click(TObject* Sender);
  void Button1Click(TObject* Sender);
  void BitBtn2Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
 private:
  void BuildDesign();
  // The controls in design order, the order Enter and Esc are offered to the buttons.
  void BuildControls();
  void BindHandlers();
};

extern Tform4* form4;
