#pragma once
// The fixed frame of a window: how far the client area lies inside the outer
// bounds. Both window systems start from these numbers, so layouts match
// everywhere until a window system reports the client size a window really got.
#include "platform/FormPeer.h"

namespace platform {

struct Insets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Horizontal() const { return left + right; }
  int Vertical() const { return top + bottom; }
  bool operator==(const Insets&) const = default;
};

constexpr int kSizeableEdge = 4;  // wide enough to take hold of
constexpr int kSingleEdge = 3;
constexpr int kCaptionHeight = 26;
constexpr int kMenuBarHeight = 20;

inline Insets FrameInsets(BorderStyle border, bool hasMenu) {
  const int edge = border == BorderStyle::Sizeable ? kSizeableEdge : border == BorderStyle::Single ? kSingleEdge : 0;
  const int caption = border == BorderStyle::None ? 0 : kCaptionHeight;
  return {edge, edge + caption + (hasMenu ? kMenuBarHeight : 0), edge, edge};
}

}  // namespace platform
