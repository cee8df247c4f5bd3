#include "app/Gradient.h"

#include "rtl/ColorRamp.h"

void PaintGradient(TForm& form, TColor start, TColor end) {
  ColorRamp::Steps steps{};
  for (int channel = 0; channel < 3; ++channel) steps[channel] = ColorRamp::Step(start, end, channel, form.Width());
  const ColorRamp ramp(start, steps);
  TCanvas& canvas = *form.Canvas();
  const int width = form.Width();
  for (int x = 0; x <= width; ++x) {
    canvas.Brush()->SetColor(ramp.Stripe(x));
    canvas.FillRect(TRect{x, 0, x + 1, form.Height()});
  }
}
