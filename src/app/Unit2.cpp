#include "app/Unit2.h"

#include "app/Gradient.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void TForm2::BuildDesign() {
  SetCaption("Nashledanou");
  SetBorderStyle(bsSingle);
  SetNoBorderIcons();
  SetBounds(415, 429, 0, 0);
  SetClientWidth(452);
  SetClientHeight(171);
}

void TForm2::BindHandlers() {
  OnPaint = Bind(this, &TForm2::FormPaint);
  OnResize = Bind(this, &TForm2::FormResize);
}

void TForm2::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clRed, clGreen); }

void TForm2::FormResize(TObject* /*Sender*/) { Repaint(); }
