#include "forms/TFont.h"

#include <cmath>

namespace {

// a * b / c, rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

}  // namespace

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, pixelsPerInch_, 72)); }

platform::FontSpec TFont::Spec() const {
  return {name_, height_, color_, style_.Contains(fsBold), style_.Contains(fsUnderline)};
}
