#include "forms/Dialogs.h"

#include "forms/TApplication.h"

bool TPrinterSetupDialog::Execute() { return Application->WindowSystem().RunPrinterSetup(); }
