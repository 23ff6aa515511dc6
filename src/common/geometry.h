// Plain sizes and rectangles in pixels for the layout arithmetic of the
// windows. Rectangles carry a position and a size (as moving a window takes
// them), not a right and bottom edge.
#pragma once

#include <cstdint>

namespace layout {

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;

  int32_t Right() const { return left + width; }
  int32_t Bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace layout
