// The form description of the help window.
#include <string>

#include "app/Author.h"
#include "app/FormDesign.h"
#include "app/Unit3.h"
#include "rtl/AnsiLiteral.h"

namespace {

TLabel* Link(TForm* form, const char* name, const platform::Rect& bounds, const AnsiString& caption,
             const AnsiString& hint) {
  TLabel* link = Make<TLabel>(form, name, form);
  link->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  link->SetCaption(caption);
  link->SetHint(hint);
  link->SetShowHint(true);
  link->SetCursor(crHandPoint);
  link->SetTransparent(true);
  link->Font()->SetHeight(-13);
  link->Font()->SetColor(clBlue);
  link->Font()->SetStyle({fsBold});
  return link;
}

TImage* Logo(TForm* form, const char* name, int left, int top) {
  TImage* image = Make<TImage>(form, name, form);
  image->SetBounds(left, top, 41, 41);
  image->SetPicture("logo");
  return image;
}

void AddHelpText(TStrings& lines) {
  const std::string column(54, ' ');
  const std::string farColumn(82, ' ');
  for (const AnsiString& line : {
           "Verze : 2005 2.1"_a,
           "Autor : "_a + Utf8ToAnsi(kAuthorName),
           "© 2004 - 2005 "_a + Utf8ToAnsi(kAuthorName) + ", všechna práva vyhrazena"_a,
           std::string(62, '-'),
           "Vylepšení o proti verzi 2005 1.0 : Historie"_a,
           column + "Načítání stránky (červeně vybarvené "_a,
           farColumn + "kolečko - načteno,"_a,
           farColumn + "zeleně - načítá)"_a,
           column + "Tisk",
           column + "Nastavení"_a,
           column + "A další..."_a,
           std::string(61, '-'),
           "Program je doporučen pro rozlišení 1280x1024 ,ale byl testován i na "_a,
           "800x600!"_a,
           std::string(61, '-'),
           "F5 - Aktualizace stránky"_a,
           std::string(60, '-'),
           "Připomínky pište na emailovou adresu "_a,
           AnsiString(kAuthorMail),
           std::string(59, '-'),
           "Aktualizace a nové programy najdete na "_a + kAuthorSiteUrl,
       })
    lines.Add(line);
}

}  // namespace

void TForm3::BuildDesign() {
  SetCaption("Nápověda"_a);
  SetBorderStyle(bsSingle);
  SetNoBorderIcons();
  SetBounds(422, 304, 0, 0);
  SetClientWidth(469);
  SetClientHeight(429);
  SetColor(clBtnFace);
  BuildControls();
}

void TForm3::BuildControls() {
  Label1 = Link(this, "Label1", {8, 400, 173, 16}, kAuthorMail, "Napiš mi!"_a);
  Label2 = Link(this, "Label2", {224, 400, 194, 16}, kAuthorSiteUrl, "Navštiv mou stránku"_a);
  Image1 = Logo(this, "Image1", 0, 80);
  Image2 = Logo(this, "Image2", 424, 280);
  Image3 = Logo(this, "Image3", 0, 272);
  Image4 = Logo(this, "Image4", 424, 80);

  Label3 = Make<TLabel>(this, "Label3", this);
  Label3->SetBounds(32, 16, 401, 37);
  Label3->SetCaption("Kalnor internet 2005 - 2.1");
  Label3->SetTransparent(true);
  Label3->Font()->SetHeight(-32);
  Label3->Font()->SetColor(clYellow);
  Label3->Font()->SetStyle({fsBold});

  Memo1 = Make<TMemo>(this, "Memo1", this);
  Memo1->SetBounds(48, 64, 369, 297);
  Memo1->SetColor(clWhite);
  Memo1->Font()->SetColor(clBlack);
  Memo1->Font()->SetCharset(EASTEUROPE_CHARSET);
  AddHelpText(*Memo1->Lines());
  Memo1->SetEnabled(false);
  Memo1->SetTabOrder(0);

  BitBtn1 = Make<TBitBtn>(this, "BitBtn1", this);
  BitBtn1->SetBounds(192, 368, 75, 25);
  BitBtn1->SetKind(bkOK);
  BitBtn1->SetCursor(crHandPoint);
  BitBtn1->SetTabOrder(1);

  XPManifest1 = TComponent::Create<TXPManifest>(this, "XPManifest1");
}
