#pragma once
// What every window's form description uses to build its controls.
#include "forms/TWinControl.h"

// Creates a control owned by the window, named as in the design, standing on parent.
template <class T>
T* Make(TComponent* owner, const char* name, TWinControl* parent) {
  T* control = TComponent::Create<T>(owner, name);
  control->SetParent(parent);
  return control;
}
