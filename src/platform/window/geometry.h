#pragma once

namespace platform {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Either dialog units (templates, Control::DialogRect) or pixels (Control::PixelRect).
struct Rect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  bool operator==(const Rect&) const = default;
};

}  // namespace platform
