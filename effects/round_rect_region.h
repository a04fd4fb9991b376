// A window region as rows of pixels, and the rounded rectangle of the
// window corners.
#pragma once

#include <vector>

namespace kestara {

// Pixels left <= x < right on row y.
struct RegionRow {
  int y = 0;
  int left = 0;
  int right = 0;
};

using Region = std::vector<RegionRow>;

// The rounded rectangle GDI's CreateRoundRectRgn(left, top, right, bottom,
// ellipseWidth, ellipseHeight) describes: like every round-rect region it
// leaves out the right column and the bottom row of the rectangle, and its
// corners are quarters of an ellipse ellipseWidth wide and ellipseHeight
// high (a pixel belongs to it when its centre lies inside the ellipse).
// Ellipses larger than the rectangle are cut to its size; an empty
// rectangle gives an empty region.
Region CreateRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

}  // namespace kestara
