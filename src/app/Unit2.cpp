#include "app/Unit2.h"

#include "app/Gradient.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void TForm2::BindHandlers() {
  OnPaint = Bind(this, &TForm2::FormPaint);
  OnResize = Bind(this, &TForm2::FormResize);
  BitBtn1->OnClick = Bind(this, &TForm2::BitBtn1Click);
}

void TForm2::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clRed, clGreen); }

void TForm2::FormResize(TObject* /*Sender*/) { Repaint(); }

void TForm2::Button1Click(TObject* /*Sender*/) { Close(); }

void TForm2::BitBtn1Click(TObject* /*Sender*/) { Close(); }
