#include "app/Unit3.h"

#include "app/Gradient.h"
#include "rtl/AnsiLiteral.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void TForm3::BuildDesign() {
  SetCaption("Nápověda"_a);
  SetBorderStyle(bsSingle);
  SetNoBorderIcons();
  SetBounds(422, 304, 0, 0);
  SetClientWidth(469);
  SetClientHeight(429);
}

void TForm3::BindHandlers() {
  OnCreate = Bind(this, &TForm3::FormCreate);
  OnPaint = Bind(this, &TForm3::FormPaint);
  OnResize = Bind(this, &TForm3::FormResize);
}

void TForm3::FormCreate(TObject* /*Sender*/) { SetDoubleBuffered(true); }

void TForm3::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clWhite, clRed); }

void TForm3::FormResize(TObject* /*Sender*/) { Repaint(); }
