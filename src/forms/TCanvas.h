#pragma once
// The drawing surface of a window while it paints.
#include "forms/Classes.h"
#include "platform/Canvas.h"

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color) {
    color_ = color;
    if (style_ == bsClear) style_ = bsSolid;
  }
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style) { style_ = style; }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

class TCanvas {
 public:
  TBrush* Brush() { return &brush_; }
  // Fills columns Left..Right-1 and rows Top..Bottom-1; does nothing outside a paint.
  void FillRect(const TRect& rect);

  // The window system's surface for the paint in progress (null between paints).
  void SetSurface(platform::ICanvas* surface) { surface_ = surface; }

 private:
  TBrush brush_;
  platform::ICanvas* surface_ = nullptr;
};
