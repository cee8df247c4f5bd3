#pragma once
// The screen of a headless window: fills land on its pixels at once. A
// buffered paint draws on a spare picture that then takes the screen's place.
#include <vector>

#include "platform/Canvas.h"

namespace platform::headless {

class PixelCanvas : public ICanvas {
 public:
  // pixels and spare hold width x height pictures row by row; both belong to
  // the window, so the spare is reused from paint to paint.
  PixelCanvas(std::vector<Color>& pixels, std::vector<Color>& spare, int width, int height);
  void FillRect(const Rect& rect, Color color) override;
  void PaintBuffered(const std::function<void(ICanvas&)>& paint) override;

  // Fills the part of rect inside a width x height picture held row by row.
  static void Fill(std::vector<Color>& pixels, int width, int height, const Rect& rect, Color color);

 private:
  std::vector<Color>& pixels_;
  std::vector<Color>& spare_;
  int width_;
  int height_;
};

}  // namespace platform::headless
