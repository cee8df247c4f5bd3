#pragma once
// The home-page window: an edit box and a picture button, neither of which does anything.
#include "forms/Buttons.h"
#include "forms/TCustomEdit.h"
#include "forms/TForm.h"

class TForm5 : public TForm {
 public:
  explicit TForm5(TComponent* owner);

  TEdit* Edit1;
  TSpeedButton* SpeedButton1;

  void FormCreate(TObject* Sender);
  void FormPaint(TObject* Sender);

 private:
  void BuildDesign();
  void BindHandlers();
};

extern TForm5* Form5;
