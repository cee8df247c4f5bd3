#pragma once
// The row of tabs along the top of a tab control: the class library lays the
// pages out below it and the window system draws the tabs in it, so both
// take its height from here.

namespace platform {

constexpr int kTabRowHeight = 20;

}  // namespace platform
