#pragma once
// The background every window of the program paints: a colour ramp.
#include "forms/TForm.h"

// Paints the form's canvas from start at the left edge to end at the right as
// vertical stripes one pixel wide over the window's outer width and height.
// Width 0 raises EZeroDivide or EInvalidOp; a negative width paints nothing.
void PaintGradient(TForm& form, TColor start, TColor end);
