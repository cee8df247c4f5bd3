// The controls of the favorites window.
#include "app/Author.h"
#include "app/FormDesign.h"
#include "app/Unit4.h"
#include "rtl/AnsiLiteral.h"
#include "rtl/CzechCollation.h"

void Tform4::BuildControls() {
  Image1 = Make<TImage>(this, "Image1", this);
  Image1->SetBounds(575, 24, 34, 33);
  Image1->SetPicture("add");
  Image1->SetCursor(crHandPoint);
  Image1->SetHint("Přidej adresu"_a);
  Image1->SetShowHint(true);

  Edit1 = Make<TEdit>(this, "Edit1", this);
  Edit1->SetBounds(104, 32, 457, 21);
  Edit1->SetText("http://");
  Edit1->SetTabOrder(0);

  Box1 = Make<TCheckListBox>(this, "Box1", this);
  Box1->SetBounds(8, 64, 609, 457);
  // Sorting is the user's choice, and then it is in Czech alphabetical order.
  Box1->Items()->SetCompare(CzechCompare);
  Box1->Items()->Add(kAuthorSiteUrl);
  Box1->SetTabOrder(1);

  BitBtn1 = Make<TBitBtn>(this, "BitBtn1", this);
  BitBtn1->SetBounds(120, 536, 75, 25);
  BitBtn1->SetKind(bkOK);
  BitBtn1->SetCaption("&OK");
  BitBtn1->SetCursor(crHandPoint);
  BitBtn1->SetHint("Odejdete s uložením"_a);
  BitBtn1->SetShowHint(true);
  BitBtn1->SetTabOrder(2);

  BitBtn2 = Make<TBitBtn>(this, "BitBtn2", this);
  BitBtn2->SetBounds(8, 24, 75, 25);
  BitBtn2->SetCaption("S&mazat");
  BitBtn2->SetPicture("delete");
  BitBtn2->SetNumGlyphs(2);
  BitBtn2->SetDefault(true);
  BitBtn2->SetCancel(true);
  BitBtn2->SetHint("Smaže vybranou adresu"_a);
  BitBtn2->SetShowHint(true);
  BitBtn2->SetTabOrder(3);

  BitBtn3 = Make<TBitBtn>(this, "BitBtn3", this);
  BitBtn3->SetBounds(272, 536, 75, 25);
  BitBtn3->SetKind(bkCancel);
  BitBtn3->SetCaption("&Storno");
  BitBtn3->SetCursor(crHandPoint);
  BitBtn3->SetHint("Odejdete bez uložení"_a);
  BitBtn3->SetShowHint(true);
  BitBtn3->SetTabOrder(4);

  Button1 = Make<TButton>(this, "Button1", this);
  Button1->SetBounds(416, 536, 75, 25);
  Button1->SetCaption("Ř&adit od A-Z"_a);
  Button1->SetTabOrder(5);

  XPManifest1 = TComponent::Create<TXPManifest>(this, "XPManifest1");
}
