#pragma once
// The help window.
#include "forms/TForm.h"

class TForm3 : public TForm {
 public:
  explicit TForm3(TComponent* owner);

  void FormCreate(TObject* Sender);
  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
 private:
  void BuildDesign();
  void BindHandlers();
};

extern TForm3* Form3;
