#pragma once
// The animation clips the window systems draw themselves, and what the class
// library needs to play them.
namespace platform {

enum class Clip { None, FindFolder };

struct ClipFormat {
  int frameCount = 0;
  int frameInterval = 0;  // milliseconds from one frame to the next
};

constexpr ClipFormat FormatOf(Clip clip) {
  switch (clip) {
    case Clip::FindFolder: return {29, 100};  // a folder searched with a magnifying glass
    case Clip::None: break;
  }
  return {};
}

}  // namespace platform
