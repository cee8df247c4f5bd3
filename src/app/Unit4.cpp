#include "app/Unit4.h"

#include "app/Gradient.h"
#include "rtl/AnsiLiteral.h"

Tform4* form4 = nullptr;

Tform4::Tform4(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void Tform4::BuildDesign() {
  SetCaption("Oblíbené"_a);
  SetBorderStyle(bsSingle);
  SetNoBorderIcons();
  SetBounds(283, 198, 0, 0);
  SetClientWidth(624);
  SetClientHeight(575);
  SetColor(clBtnFace);
  BuildControls();
}

void Tform4::BindHandlers() {
  OnCreate = Bind(this, &Tform4::FormCreate);
  OnActivate = Bind(this, &Tform4::FormActivate);
  OnClose = Bind(this, &Tform4::FormClose);
  Image1->OnClick = Bind(this, &Tform4::Image1Click);
  BitBtn1->OnClick = Bind(this, &Tform4::BitBtn1Click);
  BitBtn2->OnClick = Bind(this, &Tform4::BitBtn2Click);
  Button1->OnClick = Bind(this, &Tform4::Button1Click);
  OnPaint = Bind(this, &Tform4::FormPaint);
  OnResize = Bind(this, &Tform4::FormResize);
}

void Tform4::FormCreate(TObject* /*Sender*/) { SetDoubleBuffered(true); }

void Tform4::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clBlue, clYellow); }

void Tform4::FormResize(TObject* /*Sender*/) { Repaint(); }

void Tform4::FormActivate(TObject* /*Sender*/) { form4->Box1->Items()->LoadFromFile("nte.txt"); }

void Tform4::FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {
  form4->Box1->Items()->SaveToFile("oblibene.kln");
}

// The typed text goes in as it is; a refused entry leaves it in the box.
void Tform4::Image1Click(TObject* /*Sender*/) {
  Box1->Items()->Add(Edit1->Text());
  Edit1->SetText("http://");
}

// Once sorted, the list stays sorted: later entries go to their places.
void Tform4::Button1Click(TObject* /*Sender*/) { Box1->SetSorted(true); }

void Tform4::BitBtn2Click(TObject* /*Sender*/) { Box1->Items()->DeleteTicked(); }

// The button has already handed the window its result, so a failed write
// is reported and the window closes all the same.
void Tform4::BitBtn1Click(TObject* /*Sender*/) { form4->Box1->Items()->SaveToFile("nte.txt"); }
