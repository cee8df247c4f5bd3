// The form description of the main window.
#include "app/Author.h"
#include "app/FormDesign.h"
#include "app/Unit1.h"
#include "rtl/AnsiLiteral.h"

namespace {

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const char* name, const AnsiString& caption,
                int image = -1, TShortCut shortCut = {}) {
  TMenuItem* item = TComponent::Create<TMenuItem>(owner, name);
  item->SetCaption(caption);
  item->SetImageIndex(image);
  item->SetShortCut(shortCut);
  parent->Add(item);
  return item;
}

TSpeedButton* ToolButton(TComponent* owner, const char* name, TWinControl* bar, int left, int width,
                         const char* picture) {
  TSpeedButton* button = Make<TSpeedButton>(owner, name, bar);
  button->SetBounds(left, 2, width, 23);
  button->SetPicture(picture);
  return button;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void TForm1::BuildDesign() {
  SetBounds(200, 202, 999, 680);
  SetAlign(alClient);
  SetCaption("Kalnor Internet 2005 - 2.1");
  SetPicture("kalnor");
  SetDesignVisible(true);

  WebBrowser1 = Make<TWebBrowser>(this, "WebBrowser1", this);
  WebBrowser1->SetBounds(185, 35, 806, 572);
  WebBrowser1->SetAlign(alClient);
  WebBrowser1->SetTabOrder(0);

  ControlBar1 = Make<TControlBar>(this, "ControlBar1", this);
  ControlBar1->SetBounds(0, 0, 991, 35);
  ControlBar1->SetAlign(alTop);
  ControlBar1->SetTabOrder(1);
  BuildAddressBar();
  BuildFunctionBar();

  StatusBar1 = Make<TStatusBar>(this, "StatusBar1", this);
  StatusBar1->SetBounds(0, 607, 991, 19);
  StatusBar1->AddPanel(500);
  StatusBar1->AddPanel(100);

  BuildHistoryPanel();

  ImageList1 = TComponent::Create<TImageList>(this, "ImageList1");
  for (const char* picture : {"refresh", "home", "history", "search", "favorites", "mail", "stop", "forward", "back"})
    ImageList1->Add(picture);
  ToolBar3->SetImages(ImageList1);
  ToolBar1->SetImages(ImageList1);

  BuildMainMenu();
  PrintDialog1 = TComponent::Create<TPrintDialog>(this, "PrintDialog1");
  XPManifest1 = TComponent::Create<TXPManifest>(this, "XPManifest1");
  Timer1 = TComponent::Create<TTimer>(this, "Timer1");
  PrinterSetupDialog1 = TComponent::Create<TPrinterSetupDialog>(this, "PrinterSetupDialog1");
}

void TForm1::BuildAddressBar() {
  ToolBar3 = Make<TToolBar>(this, "ToolBar3", ControlBar1);
  ToolBar3->SetBounds(11, 2, 598, 26);
  ToolBar3->SetCaption("Adresa");
  ToolBar3->SetTabOrder(1);

  ComboBox1 = Make<TComboBox>(this, "ComboBox1", ToolBar3);
  ComboBox1->SetBounds(0, 2, 481, 21);
  ComboBox1->SetTabOrder(0);
  ComboBox1->Items()->Add(kAuthorSecondSiteUrl);

  BitBtn2 = Make<TBitBtn>(this, "BitBtn2", ToolBar3);
  BitBtn2->SetBounds(481, 2, 72, 22);
  BitBtn2->SetPicture("go");
  BitBtn2->SetHint("Jdi!");
  BitBtn2->SetShowHint(true);
  BitBtn2->SetTabOrder(1);

  Shape1 = Make<TShape>(this, "Shape1", ToolBar3);
  Shape1->SetBounds(553, 2, 50, 22);
  Shape1->SetShape(stCircle);
}

void TForm1::BuildFunctionBar() {
  ToolBar1 = Make<TToolBar>(this, "ToolBar1", ControlBar1);
  ToolBar1->SetBounds(622, 2, 299, 27);
  ToolBar1->SetCaption("Funkce");
  ToolBar1->SetTabOrder(0);
  SpeedButton2 = ToolButton(this, "SpeedButton2", ToolBar1, 0, 33, "back");
  SpeedButton3 = ToolButton(this, "SpeedButton3", ToolBar1, 33, 32, "forward");
  SpeedButton4 = ToolButton(this, "SpeedButton4", ToolBar1, 65, 32, "stop");
  SpeedButton5 = ToolButton(this, "SpeedButton5", ToolBar1, 97, 32, "home");
  SpeedButton8 = ToolButton(this, "SpeedButton8", ToolBar1, 129, 32, "refresh");
  SpeedButton6 = ToolButton(this, "SpeedButton6", ToolBar1, 161, 32, "history");
  SpeedButton7 = ToolButton(this, "SpeedButton7", ToolBar1, 193, 32, "favorites");
  SpeedButton9 = ToolButton(this, "SpeedButton9", ToolBar1, 225, 32, "search");
  SpeedButton10 = ToolButton(this, "SpeedButton10", ToolBar1, 257, 32, "mail");
}

void TForm1::BuildHistoryPanel() {
  TabControl1 = Make<TTabControl>(this, "TabControl1", this);
  TabControl1->SetBounds(0, 35, 185, 572);
  TabControl1->SetAlign(alLeft);
  TabControl1->SetTabs({"Historie"});
  TabControl1->SetTabOrder(3);
  TabControl1->SetVisible(false);

  SpeedButton11 = Make<TSpeedButton>(this, "SpeedButton11", TabControl1);
  SpeedButton11->SetBounds(154, 3, 15, 14);
  SpeedButton11->SetPicture("close");
  SpeedButton11->SetHint("Zavřít historii"_a);
  SpeedButton11->SetShowHint(true);

  CheckListBox1 = Make<TCheckListBox>(this, "CheckListBox1", TabControl1);
  CheckListBox1->SetBounds(4, 24, 174, 544);
  CheckListBox1->SetAlign(alLeft);
  CheckListBox1->SetColor(clBtnFace);
  CheckListBox1->SetTabOrder(0);

  BitBtn3 = Make<TBitBtn>(this, "BitBtn3", TabControl1);
  BitBtn3->SetBounds(64, 0, 75, 17);
  BitBtn3->SetCaption("S&mazat");
  BitBtn3->SetHint("Smaže vybranou adresu"_a);
  BitBtn3->SetShowHint(true);
  BitBtn3->SetDefault(true);
  BitBtn3->SetCancel(true);
  BitBtn3->SetPicture("delete");
  BitBtn3->SetNumGlyphs(2);
  BitBtn3->SetTabOrder(1);
}

void TForm1::BuildMainMenu() {
  MainMenu1 = TComponent::Create<TMainMenu>(this, "MainMenu1");
  MainMenu1->SetImages(ImageList1);
  TMenuItem* bar = MainMenu1->Items();

  Soubor1 = Item(this, bar, "Soubor1", "&Soubor");
  isk1 = Item(this, Soubor1, "isk1", "&Tisk", 4);
  N1 = Item(this, Soubor1, "N1", "-");
  Konec1 = Item(this, Soubor1, "Konec1", "Konec", 6);

  Monosti1 = Item(this, bar, "Monosti1", "&Možnosti"_a, 2);
  Zpt1 = Item(this, Monosti1, "Zpt1", "&Zpět"_a, 8);
  Vped1 = Item(this, Monosti1, "Vped1", "&Vpřed"_a, 7);
  Aktualizovat1 = Item(this, Monosti1, "Aktualizovat1", "&Aktualizovat", 0, {VK_F5, {}});
  Stop1 = Item(this, Monosti1, "Stop1", "&Stop", 6, {VK_DELETE, {}});
  Dom1 = Item(this, Monosti1, "Dom1", "&Domů"_a, 1);
  Oblben1 = Item(this, Monosti1, "Oblben1", "&Oblíbené"_a, 4);
  Hledat1 = Item(this, Monosti1, "Hledat1", "&Hledat", 3);

  Nastavenwebu1 = Item(this, bar, "Nastavenwebu1", "Nastavení webu"_a, 2);
  BuildPortalMenu();
  Pomoc1 = Item(this, bar, "Pomoc1", "&Nápověda"_a, 5, {VK_F1, {}});
  Konec2 = Item(this, bar, "Konec2", "Konec", 6);
  SetMenu(MainMenu1);
}

void TForm1::BuildPortalMenu() {
  Zajmavweby1 = Item(this, MainMenu1->Items(), "Zajmavweby1", "Zajímavé weby"_a);

  Vyhledvae1 = Item(this, Zajmavweby1, "Vyhledvae1", "Vyhledávače"_a);
  Seznam1 = Item(this, Vyhledvae1, "Seznam1", "Seznam");
  Centrum1 = Item(this, Vyhledvae1, "Centrum1", "Centrum");
  Google1 = Item(this, Vyhledvae1, "Google1", "Google");
  Atlas1 = Item(this, Vyhledvae1, "Atlas1", "Atlas");

  Email = Item(this, Zajmavweby1, "Email", "Email");
  Email1 = Item(this, Email, "Email1", "Email");
  Seznam2 = Item(this, Email, "Seznam2", "Seznam");
  Centrum2 = Item(this, Email, "Centrum2", "Centrum");
  Gmail1 = Item(this, Email, "Gmail1", "Gmail");
  Atlas2 = Item(this, Email, "Atlas2", "Atlas");
  Post1 = Item(this, Email, "Post1", "Post");

  No = Item(this, Zajmavweby1, "No", "Zpravodajství"_a);
  IDnes1 = Item(this, No, "IDnes1", "IDnes");
  Centrum3 = Item(this, No, "Centrum3", "Centrum");
  SuperSpy1 = Item(this, No, "SuperSpy1", "SuperSpy");
  Novinky1 = Item(this, No, "Novinky1", "Novinky");
  MobilMania1 = Item(this, No, "MobilMania1", "MobilMania");
  Mobil1 = Item(this, No, "Mobil1", "Mobil");
  Sport1 = Item(this, No, "Sport1", "Sport");

  Stahovae1 = Item(this, Zajmavweby1, "Stahovae1", "Stahování programů"_a);
  DownloadPortal1 = Item(this, Stahovae1, "DownloadPortal1", "Instaluj.cz");
  Slunecnice1 = Item(this, Stahovae1, "Slunecnice1", "Slunecnice");
  Studna1 = Item(this, Stahovae1, "Studna1", "Studna");
  stahuj1 = Item(this, Stahovae1, "stahuj1", "Stahuj");

  AuthorSite1 = Item(this, Zajmavweby1, "AuthorSite1", kAuthorSiteHost);
}

void TForm1::BindHandlers() {
  OnCreate = Bind(this, &TForm1::FormCreate);
  OnActivate = Bind(this, &TForm1::FormActivate);
  OnKeyDown = Bind(this, &TForm1::FormKeyDown);
  OnClose = Bind(this, &TForm1::FormClose);
  OnPaint = Bind(this, &TForm1::FormPaint);
  OnResize = Bind(this, &TForm1::FormResize);
  Konec1->OnClick = Bind(this, &TForm1::Konec1Click);
  Konec2->OnClick = Bind(this, &TForm1::Konec2Click);
  Zpt1->OnClick = Bind(this, &TForm1::Zpt1Click);
  SpeedButton2->OnClick = Bind(this, &TForm1::SpeedButton2Click);
  Vped1->OnClick = Bind(this, &TForm1::Vped1Click);
  SpeedButton3->OnClick = Bind(this, &TForm1::SpeedButton3Click);
  Aktualizovat1->OnClick = Bind(this, &TForm1::Aktualizovat1Click);
  SpeedButton8->OnClick = Bind(this, &TForm1::SpeedButton8Click);
  Stop1->OnClick = Bind(this, &TForm1::Stop1Click);
  SpeedButton4->OnClick = Bind(this, &TForm1::SpeedButton4Click);
  Dom1->OnClick = Bind(this, &TForm1::Dom1Click);
  SpeedButton5->OnClick = Bind(this, &TForm1::SpeedButton5Click);
  Hledat1->OnClick = Bind(this, &TForm1::Hledat1Click);
  SpeedButton9->OnClick = Bind(this, &TForm1::SpeedButton9Click);
  ComboBox1->OnKeyDown = Bind(this, &TForm1::ComboBox1KeyDown);
  BitBtn2->OnClick = Bind(this, &TForm1::BitBtn2Click);
  WebBrowser1->OnDownloadBegin = Bind(this, &TForm1::WebBrowser1DownloadBegin);
  WebBrowser1->OnDownloadComplete = Bind(this, &TForm1::WebBrowser1DownloadComplete);
  WebBrowser1->OnTitleChange = Bind(this, &TForm1::WebBrowser1TitleChange);
  Timer1->SetOnTimer(Bind(this, &TForm1::Timer1Timer));
  SpeedButton6->OnClick = Bind(this, &TForm1::SpeedButton6Click);
  SpeedButton11->OnClick = Bind(this, &TForm1::SpeedButton1Click);
  BitBtn3->OnClick = Bind(this, &TForm1::BitBtn1Click);
  Oblben1->OnClick = Bind(this, &TForm1::Oblben1Click);
  SpeedButton7->OnClick = Bind(this, &TForm1::SpeedButton7Click);
  Seznam1->OnClick = Bind(this, &TForm1::Seznam1Click);
  Centrum1->OnClick = Bind(this, &TForm1::Centrum1Click);
  Google1->OnClick = Bind(this, &TForm1::Google1Click);
  Atlas1->OnClick = Bind(this, &TForm1::Atlas1Click);
  Email1->OnClick = Bind(this, &TForm1::Email1Click);
  Seznam2->OnClick = Bind(this, &TForm1::Seznam2Click);
  Centrum2->OnClick = Bind(this, &TForm1::Centrum2Click);
  Gmail1->OnClick = Bind(this, &TForm1::Gmail1Click);
  Atlas2->OnClick = Bind(this, &TForm1::Atlas2Click);
  Post1->OnClick = Bind(this, &TForm1::Post1Click);
  IDnes1->OnClick = Bind(this, &TForm1::IDnes1Click);
  Centrum3->OnClick = Bind(this, &TForm1::Centrum3Click);
  SuperSpy1->OnClick = Bind(this, &TForm1::SuperSpy1Click);
  Novinky1->OnClick = Bind(this, &TForm1::Novinky1Click);
  MobilMania1->OnClick = Bind(this, &TForm1::MobilMania1Click);
  Mobil1->OnClick = Bind(this, &TForm1::Mobil1Click);
  Sport1->OnClick = Bind(this, &TForm1::Sport1Click);
  DownloadPortal1->OnClick = Bind(this, &TForm1::DownloadPortal1Click);
  Slunecnice1->OnClick = Bind(this, &TForm1::Slunecnice1Click);
  Studna1->OnClick = Bind(this, &TForm1::Studna1Click);
  stahuj1->OnClick = Bind(this, &TForm1::stahuj1Click);
  AuthorSite1->OnClick = Bind(this, &TForm1::AuthorSite1Click);
  isk1->OnClick = Bind(this, &TForm1::isk1Click);
  Nastavenwebu1->OnClick = Bind(this, &TForm1::Nastavenwebu1Click);
  SpeedButton10->OnClick = Bind(this, &TForm1::SpeedButton10Click);
  Pomoc1->OnClick = Bind(this, &TForm1::Pomoc1Click);
}
