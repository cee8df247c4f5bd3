#include "app/Unit1.h"

#include "app/Author.h"
#include "app/Gradient.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "forms/ComObj.h"
#include "forms/ShellApi.h"
#include "forms/TApplication.h"
#include "rtl/AnsiLiteral.h"
#include "rtl/CodePage.h"
#include "rtl/TimeFormat.h"

TForm1* Form1 = nullptr;

namespace {

// The print command's arguments: empty, never assigned, the same two for every print.
VARIANT PrintIn;
VARIANT PrintOut;

void MailTo(const char* address) {
  ShellExecuteA(nullptr, "open", (std::string("mailto:") + address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void TForm1::FormCreate(TObject* /*Sender*/) {
  Form1->SetClientHeight(800);
  Form1->SetClientWidth(1162);
  SetDoubleBuffered(true);
  // The stored history must survive a missing address list: its error is
  // reported and the history is loaded all the same.
  try {
    ComboBox1->Items()->LoadFromFile("edit.kln");
  } catch (const std::exception&) {
    Application->HandleException(this);
  }
  CheckListBox1->Items()->LoadFromFile("history.kln");
}

void TForm1::FormActivate(TObject* /*Sender*/) { WebBrowser1->GoHome(); }

void TForm1::FormKeyDown(TObject* /*Sender*/, Word& Key, TShiftState /*Shift*/) {
  if (Key == VK_F5) WebBrowser1->Refresh();
}

void TForm1::FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {
  CheckListBox1->Items()->SaveToFile("history.kln");
}

void TForm1::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clWhite, clBlue); }

void TForm1::FormResize(TObject* /*Sender*/) { Repaint(); }

void TForm1::Konec1Click(TObject* /*Sender*/) { Close(); }

void TForm1::Konec2Click(TObject* /*Sender*/) { Close(); }

void TForm1::Zpt1Click(TObject* /*Sender*/) { WebBrowser1->GoBack(); }
void TForm1::SpeedButton2Click(TObject* /*Sender*/) { WebBrowser1->GoBack(); }
void TForm1::Image6Click(TObject* /*Sender*/) { WebBrowser1->GoBack(); }

void TForm1::Vped1Click(TObject* /*Sender*/) { WebBrowser1->GoForward(); }
void TForm1::SpeedButton3Click(TObject* /*Sender*/) { WebBrowser1->GoForward(); }
void TForm1::Image3Click(TObject* /*Sender*/) { WebBrowser1->GoForward(); }

void TForm1::Aktualizovat1Click(TObject* /*Sender*/) { WebBrowser1->Refresh(); }
void TForm1::SpeedButton8Click(TObject* /*Sender*/) { WebBrowser1->Refresh(); }
void TForm1::Image7Click(TObject* /*Sender*/) { WebBrowser1->Refresh(); }

void TForm1::Stop1Click(TObject* /*Sender*/) { WebBrowser1->Stop(); }
void TForm1::SpeedButton4Click(TObject* /*Sender*/) { WebBrowser1->Stop(); }
void TForm1::Image8Click(TObject* /*Sender*/) { WebBrowser1->Stop(); }

void TForm1::Dom1Click(TObject* /*Sender*/) { WebBrowser1->GoHome(); }
void TForm1::SpeedButton5Click(TObject* /*Sender*/) { WebBrowser1->GoHome(); }
void TForm1::Image2Click(TObject* /*Sender*/) { WebBrowser1->GoHome(); }

void TForm1::Hledat1Click(TObject* /*Sender*/) { WebBrowser1->GoSearch(); }
void TForm1::SpeedButton9Click(TObject* /*Sender*/) { WebBrowser1->GoSearch(); }
void TForm1::Image9Click(TObject* /*Sender*/) { WebBrowser1->GoSearch(); }

void TForm1::ComboBox1KeyDown(TObject* /*Sender*/, Word& Key, TShiftState /*Shift*/) {
  if (Key == VK_RETURN) SubmitAddress();
}

void TForm1::BitBtn2Click(TObject* /*Sender*/) { SubmitAddress(); }

// A failing step ends the submission: nothing is kept after a refused
// navigation, nothing written after a refused entry.
void TForm1::SubmitAddress() {
  WebBrowser1->Navigate(AnsiToWide(ComboBox1->Text()));
  ComboBox1->Items()->Add(ComboBox1->Text());
  Form1->ComboBox1->Items()->SaveToFile("edit.kln");
}

void TForm1::WebBrowser1DownloadBegin(TObject* /*Sender*/) {
  StatusBar1->Panels(0).SetText("Stránka se načítá..."_a);
  Shape1->Brush()->SetColor(clRed);
}

// The address is read once for each use, and kept whatever it is.
void TForm1::WebBrowser1DownloadComplete(TObject* /*Sender*/) {
  Shape1->Brush()->SetColor(clGreen);
  StatusBar1->Panels(0).SetText(WideToAnsi(WebBrowser1->LocationURL()));
  CheckListBox1->Items()->Add(WideToAnsi(WebBrowser1->LocationURL()));
}

void TForm1::WebBrowser1TitleChange(TObject* /*ASender*/, const WideString& Text) {
  Form1->SetCaption(WideToAnsi(Text + u" - Kalnor internet 2005 2.1"));
}

void TForm1::Timer1Timer(TObject* /*Sender*/) { StatusBar1->SetSimpleText(TimeString()); }

AnsiString TimeString() {
  const platform::TimeOfDay now = Application->WindowSystem().Clock().LocalTime();
  return FormatTime("h:nn:ss", {now.hour, now.minute, now.second}, Application->TimeSeparator());
}

// The panel's numbers are fixed; they do not follow the window's width.
void TForm1::SpeedButton6Click(TObject* /*Sender*/) {
  WebBrowser1->SetAlign(alNone);
  WebBrowser1->SetWidth(844);
  WebBrowser1->SetLeft(185);
  CheckListBox1->SetVisible(true);
  TabControl1->SetVisible(true);
}

void TForm1::SpeedButton1Click(TObject* /*Sender*/) {
  WebBrowser1->SetLeft(0);
  WebBrowser1->SetWidth(1024);
  CheckListBox1->SetVisible(false);
  TabControl1->SetVisible(false);
}

void TForm1::BitBtn1Click(TObject* /*Sender*/) { CheckListBox1->Items()->DeleteTicked(); }

void TForm1::Button1Click(TObject* /*Sender*/) {
  WebBrowser1->SetHeight(689);
  CheckListBox1->SetVisible(true);
}

void TForm1::Oblben1Click(TObject* /*Sender*/) { form4->ShowModal(); }
void TForm1::SpeedButton7Click(TObject* /*Sender*/) { form4->ShowModal(); }
void TForm1::Image5Click(TObject* /*Sender*/) { form4->ShowModal(); }

void TForm1::Seznam1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.seznam.cz"); }
void TForm1::Centrum1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.centrum.cz"); }
void TForm1::Google1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.google.cz"); }
void TForm1::Atlas1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.atlas.cz"); }
void TForm1::Email1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.email.cz"); }
void TForm1::Seznam2Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"email.seznam.cz"); }
void TForm1::Centrum2Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"mail.centrum.cz"); }
void TForm1::Gmail1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"mail.google.com"); }
void TForm1::Atlas2Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"mail.atlas.cz"); }
void TForm1::Post1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.post.cz"); }
void TForm1::IDnes1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.idnes.cz"); }
void TForm1::Centrum3Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"zpravy.centrum.cz"); }
void TForm1::SuperSpy1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.superspy.cz"); }
void TForm1::Novinky1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.novinky.cz"); }
void TForm1::MobilMania1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.mobilmania.cz"); }
void TForm1::Mobil1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"mobil.idnes.cz"); }
void TForm1::Sport1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.sport.cz"); }
void TForm1::DownloadPortal1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.instaluj.cz"); }
void TForm1::Slunecnice1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.slunecnice.cz"); }
void TForm1::Studna1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"studna.cpress.cz"); }
void TForm1::stahuj1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(u"www.stahuj.cz"); }
void TForm1::AuthorSite1Click(TObject* /*Sender*/) { WebBrowser1->Navigate(AnsiToWide(kAuthorSiteHost)); }

// No dialog and no printer chosen here: the control prints as it is set up.
void TForm1::isk1Click(TObject* /*Sender*/) {
  const TComInterface<IWebBrowser2> browser = WebBrowser1->ControlInterface();
  OleCheck(browser->ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DONTPROMPTUSER, &PrintIn, &PrintOut));
}

void TForm1::Nastaventisku1Click(TObject* /*Sender*/) { PrinterSetupDialog1->Execute(); }

// The panel runs on its own; whether it started is not looked at.
void TForm1::Nastavenwebu1Click(TObject* /*Sender*/) {
  WinExec("rundll32 shell32.dll,Control_RunDLL InetCpl.cpl,,0", SW_SHOW);
}

void TForm1::SpeedButton10Click(TObject* /*Sender*/) { MailTo(kAuthorMail); }
void TForm1::Image4Click(TObject* /*Sender*/) { MailTo(kAuthorSecondMail); }

// The window's answer is of no interest.
void TForm1::Pomoc1Click(TObject* /*Sender*/) { Form3->ShowModal(); }

// Nothing closes that window once shown; nothing shows it either.
void TForm1::Domovskstrnka1Click(TObject* /*Sender*/) { Form5->ShowModal(); }
