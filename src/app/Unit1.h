#pragma once
// The main browser window.
#include "forms/Buttons.h"
#include "forms/Containers.h"
#include "forms/Dialogs.h"
#include "forms/Menus.h"
#include "forms/TCheckListBox.h"
#include "forms/TComboBox.h"
#include "forms/TForm.h"
#include "forms/TImageList.h"
#include "forms/TShape.h"
#include "forms/TStatusBar.h"
#include "forms/TTimer.h"
#include "forms/TWebBrowser.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  TWebBrowser* WebBrowser1;
  TControlBar* ControlBar1;
  TToolBar* ToolBar3;
  TComboBox* ComboBox1;
  TBitBtn* BitBtn2;
  TShape* Shape1;
  TToolBar* ToolBar1;
  TSpeedButton* SpeedButton2;
  TSpeedButton* SpeedButton3;
  TSpeedButton* SpeedButton4;
  TSpeedButton* SpeedButton5;
  TSpeedButton* SpeedButton8;
  TSpeedButton* SpeedButton6;
  TSpeedButton* SpeedButton7;
  TSpeedButton* SpeedButton9;
  TSpeedButton* SpeedButton10;
  TStatusBar* StatusBar1;
  TTabControl* TabControl1;
  TSpeedButton* SpeedButton11;
  TCheckListBox* CheckListBox1;
  TBitBtn* BitBtn3;
  TMainMenu* MainMenu1;
  TMenuItem* Soubor1;
  TMenuItem* isk1;
  TMenuItem* N1;
  TMenuItem* Konec1;
  TMenuItem* Monosti1;
  TMenuItem* Zpt1;
  TMenuItem* Vped1;
  TMenuItem* Aktualizovat1;
  TMenuItem* Stop1;
  TMenuItem* Dom1;
  TMenuItem* Oblben1;
  TMenuItem* Hledat1;
  TMenuItem* Nastavenwebu1;
  TMenuItem* Zajmavweby1;
  TMenuItem* Vyhledvae1;
  TMenuItem* Seznam1;
  TMenuItem* Centrum1;
  TMenuItem* Google1;
  TMenuItem* Atlas1;
  TMenuItem* Email;
  TMenuItem* Email1;
  TMenuItem* Seznam2;
  TMenuItem* Centrum2;
  TMenuItem* Gmail1;
  TMenuItem* Atlas2;
  TMenuItem* Post1;
  TMenuItem* No;
  TMenuItem* IDnes1;
  TMenuItem* Centrum3;
  TMenuItem* SuperSpy1;
  TMenuItem* Novinky1;
  TMenuItem* MobilMania1;
  TMenuItem* Mobil1;
  TMenuItem* Sport1;
  TMenuItem* Stahovae1;
  TMenuItem* DownloadPortal1;
  TMenuItem* Slunecnice1;
  TMenuItem* Studna1;
  TMenuItem* stahuj1;
  TMenuItem* AuthorSite1;
  TMenuItem* Pomoc1;
  TMenuItem* Konec2;
  TPrintDialog* PrintDialog1;
  TXPManifest* XPManifest1;
  TImageList* ImageList1;
  TTimer* Timer1;
  TPrinterSetupDialog* PrinterSetupDialog1;

  // lifecycle
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
  void Konec1Click(TObject* Sender);
  void Konec2Click(TObject* Sender);

  // navigation: menu, tool bar, and the handlers bound to no event
  void Zpt1Click(TObject* Sender);
  void SpeedButton2Click(TObject* Sender);
  void Image6Click(TObject* Sender);
  void Vped1Click(TObject* Sender);
  void SpeedButton3Click(TObject* Sender);
  void Image3Click(TObject* Sender);
  void Aktualizovat1Click(TObject* Sender);
  void SpeedButton8Click(TObject* Sender);
  void Image7Click(TObject* Sender);
  void Stop1Click(TObject* Sender);
  void SpeedButton4Click(TObject* Sender);
  void Image8Click(TObject* Sender);
  void Dom1Click(TObject* Sender);
  void SpeedButton5Click(TObject* Sender);
  void Image2Click(TObject* Sender);
  void Hledat1Click(TObject* Sender);
  void SpeedButton9Click(TObject* Sender);
  void Image9Click(TObject* Sender);

  // the address box and the go button
  void ComboBox1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  void BitBtn2Click(TObject* Sender);

  // page-load feedback and the clock
  void WebBrowser1DownloadBegin(TObject* Sender);
  void WebBrowser1DownloadComplete(TObject* Sender);
  void WebBrowser1TitleChange(TObject* ASender, const WideString& Text);
  void Timer1Timer(TObject* Sender);

  // the history panel
  void SpeedButton6Click(TObject* Sender);
  void SpeedButton1Click(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
  void Button1Click(TObject* Sender);

  // the favorites window: menu, tool bar, and the handler bound to no event
  void Oblben1Click(TObject* Sender);
  void SpeedButton7Click(TObject* Sender);
  void Image5Click(TObject* Sender);

  // the portal menu
  void Seznam1Click(TObject* Sender);
  void Centrum1Click(TObject* Sender);
  void Google1Click(TObject* Sender);
  void Atlas1Click(TObject* Sender);
  void Email1Click(TObject* Sender);
  void Seznam2Click(TObject* Sender);
  void Centrum2Click(TObject* Sender);
  void Gmail1Click(TObject* Sender);
  void Atlas2Click(TObject* Sender);
  void Post1Click(TObject* Sender);
  void IDnes1Click(TObject* Sender);
  void Centrum3Click(TObject* Sender);
  void SuperSpy1Click(TObject* Sender);
  void Novinky1Click(TObject* Sender);
  void MobilMania1Click(TObject* Sender);
  void Mobil1Click(TObject* Sender);
  void Sport1Click(TObject* Sender);
  void DownloadPortal1Click(TObject* Sender);
  void Slunecnice1Click(TObject* Sender);
  void Studna1Click(TObject* Sender);
  void stahuj1Click(TObject* Sender);
  void AuthorSite1Click(TObject* Sender);

  // printing, the engine's settings and the mail hand-off; the printer set-up
  // and the second address are bound to no event
  void isk1Click(TObject* Sender);
  void Nastaventisku1Click(TObject* Sender);
  void Nastavenwebu1Click(TObject* Sender);
  void SpeedButton10Click(TObject* Sender);
  void Image4Click(TObject* Sender);

  // the help window, and the home-page window's opener bound to no event
  void Pomoc1Click(TObject* Sender);
  void Domovskstrnka1Click(TObject* Sender);

 private:
  // The form description: components, their properties and the bound handlers.
  void BuildDesign();
  void BuildAddressBar();
  void BuildFunctionBar();
  void BuildHistoryPanel();
  void BuildMainMenu();
  void BuildPortalMenu();
  void BindHandlers();
  // Sends the typed text to the web control, then keeps it in the address list.
  void SubmitAddress();
};

extern TForm1* Form1;

// The local time of day as "h:nn:ss".
AnsiString TimeString();
