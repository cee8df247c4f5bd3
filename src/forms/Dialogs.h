#pragma once
// Components that only stand in a window's design here: the print dialogs
// and the visual-style manifest.
#include "forms/TComponent.h"

class TPrintDialog : public TComponent {
 public:
  using TComponent::TComponent;
};

class TPrinterSetupDialog : public TComponent {
 public:
  using TComponent::TComponent;
};

class TXPManifest : public TComponent {
 public:
  using TComponent::TComponent;
};
