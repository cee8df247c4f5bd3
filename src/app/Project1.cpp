#include "app/Project1.h"

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "forms/TApplication.h"

namespace {

// The globals hold their windows only while the application lives.
void ForgetWindows() {
  Form1 = nullptr;
  Form2 = nullptr;
  Form3 = nullptr;
  form4 = nullptr;
  Form5 = nullptr;
  Application = nullptr;
}

}  // namespace

int Project1(platform::IWindowSystem& windowSystem) {
  int exitCode = 0;
  {
    TApplication application(windowSystem);
    Application = &application;
    try {
      Application->Initialize();
      Application->SetTitle("Kalnor internet 2005 - 2.0");
      Application->CreateForm(Form1);
      Application->CreateForm(Form2);
      Application->CreateForm(Form3);
      Application->CreateForm(form4);
      Application->CreateForm(Form5);
      Application->Run();
    } catch (const std::exception& error) {
      // The last resort: a window that could not be built ends the program.
      windowSystem.ShowErrorBox(error.what(), "Error");
      exitCode = 1;
    }
  }
  ForgetWindows();
  return exitCode;
}
