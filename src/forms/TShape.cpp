#include "forms/TShape.h"

void TShape::TShapeBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  shape_.Changed();
}

void TShape::SetShape(TShapeType shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Changed();
}

void TShape::Changed() {
  if (peer_)
    peer_->SetShape(shape_ == stCircle ? platform::ShapeKind::Circle : platform::ShapeKind::Rectangle,
                     brush_.Color(), PenColor());
}

platform::IControlPeer& TShape::MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) {
  peer_ = system.CreateShapePeer(*parent, *this);
  return *peer_;
}

void TShape::ApplyToPeer() {
  TControl::ApplyToPeer();
  Changed();
}
