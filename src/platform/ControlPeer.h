#pragma once
// The native counterpart of a class-library control, in the part every peer
// shares. A peer only shows what the control tells it and reports what the
// user does; what it shows beyond this depends on its role (platform/Peers.h
// and platform/FormPeer.h), and each operation is pure, so a peer that leaves
// one out does not compile.
#include <string>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace platform {

enum class Cursor { Default, HandPoint };

class IControlPeer {
 public:
  virtual ~IControlPeer() = default;

  virtual void SetBounds(const Rect& bounds) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetFocus() = 0;
  virtual void SetHint(const std::string& hint) = 0;
  // The mouse pointer over the control.
  virtual void SetCursor(Cursor cursor) = 0;
  // The face the control shows where it draws nothing else.
  virtual void SetColor(Color color) = 0;
};

}  // namespace platform
