#pragma once
// The goodbye window, created at start and never shown.
#include "forms/TForm.h"

class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);

  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
 private:
  void BuildDesign();
  void BindHandlers();
};

extern TForm2* Form2;
