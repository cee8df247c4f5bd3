// The form description of the goodbye window.
#include "app/FormDesign.h"
#include "app/Unit2.h"
#include "rtl/AnsiLiteral.h"

namespace {

TLabel* Farewell(TForm* form, const char* name, const platform::Rect& bounds, const AnsiString& caption) {
  TLabel* label = Make<TLabel>(form, name, form);
  label->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  label->SetWordWrap(true);
  label->SetCaption(caption);
  label->SetTransparent(true);
  label->Font()->SetHeight(-19);
  label->Font()->SetColor(clBlue);
  label->Font()->SetStyle({fsBold});
  return label;
}

TAnimate* SearchingFolder(TForm* form, const char* name, int left) {
  TAnimate* animate = Make<TAnimate>(form, name, form);
  animate->SetBounds(left, 32, 80, 50);
  animate->SetCommonAVI(aviFindFolder);
  animate->SetStopFrame(29);
  animate->SetActive(true);
  return animate;
}

}  // namespace

void TForm2::BuildDesign() {
  SetCaption("Nashledanou");
  SetBorderStyle(bsSingle);
  SetNoBorderIcons();
  SetBounds(415, 429, 0, 0);
  SetClientWidth(452);
  SetClientHeight(171);
  SetColor(clBtnFace);
  BuildControls();
}

void TForm2::BuildControls() {
  Label1 = Farewell(this, "Label1", {8, 8, 433, 25}, "Doufám že jste s mým programem spokojeni !"_a);

  Image1 = Make<TImage>(this, "Image1", this);
  Image1->SetBounds(208, 80, 41, 33);
  Image1->SetPicture("kalnor");

  Label2 = Farewell(this, "Label2", {160, 40, 131, 24}, "Nashledanou!");
  Animate2 = SearchingFolder(this, "Animate2", 16);
  Animate3 = SearchingFolder(this, "Animate3", 352);

  BitBtn1 = Make<TBitBtn>(this, "BitBtn1", this);
  BitBtn1->SetBounds(192, 136, 75, 25);
  BitBtn1->SetKind(bkOK);

  XPManifest1 = TComponent::Create<TXPManifest>(this, "XPManifest1");
}
