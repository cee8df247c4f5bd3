#include "app/Unit5.h"

#include "app/FormDesign.h"
#include "app/Gradient.h"
#include "rtl/AnsiLiteral.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void TForm5::BuildDesign() {
  SetCaption("Nastavení domovské stránky"_a);
  SetNoBorderIcons();
  SetBounds(246, 352, 646, 122);
  SetColor(clBtnFace);

  SpeedButton1 = Make<TSpeedButton>(this, "SpeedButton1", this);
  SpeedButton1->SetBounds(568, 24, 57, 57);
  SpeedButton1->SetPicture("logo");

  Edit1 = Make<TEdit>(this, "Edit1", this);
  Edit1->SetBounds(32, 40, 521, 21);
  Edit1->SetTabOrder(0);
}

void TForm5::BindHandlers() {
  OnCreate = Bind(this, &TForm5::FormCreate);
  OnPaint = Bind(this, &TForm5::FormPaint);
}

void TForm5::FormCreate(TObject* /*Sender*/) { SetDoubleBuffered(true); }

void TForm5::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clBlack, clYellow); }
