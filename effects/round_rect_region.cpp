#include "effects/round_rect_region.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kestara {
namespace {

// How far the corner ellipse pushes row `row` (counted from the nearest
// top or bottom edge) in from the side.
int CornerInset(int row, int ellipseWidth, int ellipseHeight) {
  const double a = ellipseWidth / 2.0;
  const double b = ellipseHeight / 2.0;
  if (row + 0.5 >= b) {
    return 0;
  }
  const double dy = (row + 0.5 - b) / b;
  const double dx = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
  return std::max(0, static_cast<int>(std::ceil(a - dx - 0.5 - 1e-9)));
}

}  // namespace

Region CreateRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  if (left > right) {
    std::swap(left, right);
  }
  if (top > bottom) {
    std::swap(top, bottom);
  }
  // The right column and the bottom row stay outside.
  --right;
  --bottom;
  const int width = right - left;
  const int height = bottom - top;
  Region region;
  if (width <= 0 || height <= 0) {
    return region;
  }
  ellipseWidth = std::min(width, std::abs(ellipseWidth));
  ellipseHeight = std::min(height, std::abs(ellipseHeight));
  const bool square = ellipseWidth < 2 || ellipseHeight < 2;
  region.reserve(static_cast<std::size_t>(height));
  for (int row = 0; row < height; ++row) {
    int inset = 0;
    if (!square) {
      inset = std::max(CornerInset(row, ellipseWidth, ellipseHeight),
                       CornerInset(height - 1 - row, ellipseWidth, ellipseHeight));
    }
    if (left + inset < right - inset) {
      region.push_back(RegionRow{top + row, left + inset, right - inset});
    }
  }
  return region;
}

}  // namespace kestara
