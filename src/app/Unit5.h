#pragma once
// The home-page window.
#include "forms/TForm.h"

class TForm5 : public TForm {
 public:
  explicit TForm5(TComponent* owner);

  void FormCreate(TObject* Sender);
  void FormPaint(TObject* Sender);
 private:
  void BuildDesign();
  void BindHandlers();
};

extern TForm5* Form5;
