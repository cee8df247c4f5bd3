#pragma once
// A drawn shape: a rectangle or a circle, filled with its brush, outlined with its pen.
#include <memory>

#include "forms/TControl.h"

enum TShapeType { stRectangle, stCircle };

class TShape : public TControl {
 public:
  class TShapeBrush {
   public:
    explicit TShapeBrush(TShape& shape) : shape_(shape) {}
    TColor Color() const { return color_; }
    // Repaints the shape only when the colour differs.
    void SetColor(TColor color);

   private:
    TShape& shape_;
    TColor color_ = clWhite;
  };

  explicit TShape(TComponent* owner) : TControl(owner), brush_(*this) {}

  TShapeBrush* Brush() { return &brush_; }
  TColor PenColor() const { return clBlack; }
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;

 private:
  void Changed();

  TShapeBrush brush_;
  TShapeType shape_ = stRectangle;
  std::unique_ptr<platform::IShapePeer> peer_;
};
