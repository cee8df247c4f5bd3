#pragma once
// The help window: the version, what the program does, and two links to the author.
#include "forms/Buttons.h"
#include "forms/Dialogs.h"
#include "forms/TForm.h"
#include "forms/TImage.h"
#include "forms/TLabel.h"
#include "forms/TMemo.h"

class TForm3 : public TForm {
 public:
  explicit TForm3(TComponent* owner);

  TLabel* Label1;
  TLabel* Label2;
  TImage* Image1;
  TImage* Image2;
  TImage* Image3;
  TImage* Image4;
  TLabel* Label3;
  TMemo* Memo1;
  TBitBtn* BitBtn1;
  TXPManifest* XPManifest1;

  void FormCreate(TObject* Sender);
  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
  void Label1Click(TObject* Sender);
  void Label2Click(TObject* Sender);
  void Label1MouseEnter(TObject* Sender);
  void Label1MouseLeave(TObject* Sender);
  void Label2MouseLeave(TObject* Sender);
  void Label2MouseEnter(TObject* Sender);

 private:
  void BuildDesign();
  // The controls in design order.
  void BuildControls();
  void BindHandlers();
};

extern TForm3* Form3;
