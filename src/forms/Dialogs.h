#pragma once
// The print dialogs and the visual-style manifest of a window's design.
#include "forms/TComponent.h"

// Stands in the design; nothing shows it.
class TPrintDialog : public TComponent {
 public:
  using TComponent::TComponent;
};

class TPrinterSetupDialog : public TComponent {
 public:
  using TComponent::TComponent;
  // Runs the desktop's printer set-up dialog modally; true when confirmed.
  bool Execute();
};

class TXPManifest : public TComponent {
 public:
  using TComponent::TComponent;
};
