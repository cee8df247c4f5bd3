#include "forms/TCanvas.h"

void TCanvas::FillRect(const TRect& rect) {
  if (!surface_ || brush_.Style() == bsClear) return;
  surface_->FillRect({rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top}, brush_.Color());
}
