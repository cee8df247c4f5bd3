#include "app/Unit3.h"

#include "app/Author.h"
#include "app/Gradient.h"
#include "app/Unit1.h"
#include "forms/ShellApi.h"
#include "rtl/CodePage.h"

TForm3* Form3 = nullptr;

namespace {

// Under the mouse a link is underlined, no longer bold, and larger.
void HoverLook(TLabel& link) {
  link.Font()->SetStyle({fsUnderline});
  link.Font()->SetSize(14);
}

// Left, it is plain: the designed bold does not come back.
void PlainLook(TLabel& link) {
  link.Font()->SetStyle({});
  link.Font()->SetSize(10);
}

}  // namespace

TForm3::TForm3(TComponent* owner) : TForm(owner) {
  BuildDesign();
  BindHandlers();
}

void TForm3::BindHandlers() {
  OnCreate = Bind(this, &TForm3::FormCreate);
  OnPaint = Bind(this, &TForm3::FormPaint);
  OnResize = Bind(this, &TForm3::FormResize);
  Label1->OnClick = Bind(this, &TForm3::Label1Click);
  Label1->OnMouseEnter = Bind(this, &TForm3::Label1MouseEnter);
  Label1->OnMouseLeave = Bind(this, &TForm3::Label1MouseLeave);
  Label2->OnClick = Bind(this, &TForm3::Label2Click);
  Label2->OnMouseEnter = Bind(this, &TForm3::Label2MouseEnter);
  Label2->OnMouseLeave = Bind(this, &TForm3::Label2MouseLeave);
}

void TForm3::FormCreate(TObject* /*Sender*/) { SetDoubleBuffered(true); }

void TForm3::FormPaint(TObject* /*Sender*/) { PaintGradient(*this, clWhite, clRed); }

void TForm3::FormResize(TObject* /*Sender*/) { Repaint(); }

// What the shell answers is not looked at.
void TForm3::Label1Click(TObject* /*Sender*/) {
  ShellExecuteA(Handle(), "open", (AnsiString("mailto:") + kAuthorMail).c_str(), nullptr, nullptr, SW_SHOW);
}

// The page loads in the main window behind this one, which stays open.
void TForm3::Label2Click(TObject* /*Sender*/) { Form1->WebBrowser1->Navigate(AnsiToWide(kAuthorSiteUrl)); }

void TForm3::Label1MouseEnter(TObject* /*Sender*/) { HoverLook(*Label1); }

void TForm3::Label1MouseLeave(TObject* /*Sender*/) { PlainLook(*Label1); }

void TForm3::Label2MouseLeave(TObject* /*Sender*/) { PlainLook(*Label2); }

void TForm3::Label2MouseEnter(TObject* /*Sender*/) { HoverLook(*Label2); }
