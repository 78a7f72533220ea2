#pragma once
// The display's figures as shapes in scale-1 pixels, so that they can be drawn at any scale:
// sampled once at each pixel's centre they give the scale-1 pictures pixel for pixel, sampled
// finely they give the anti-aliased edges of the larger ones.

#include <cstdint>
#include <functional>

#include "canvas.h"
#include "display/glyph.h"

namespace tabulor::facegen {

// The segment bit (display/glyph_table.h) of the segment that covers the point (x, y) of a
// 14 × 35 glyph, or 0. Coordinates put pixel (i, j)'s centre at (i, j).
std::uint8_t segmentAt(double x, double y);

// True when the point (x, y) is inked by the mark, x from its cell's left edge and y from the
// face's top, in the same coordinates.
bool markCovers(MarkCode mark, double x, double y);

// The share of pixel (column, row) of a picture at `scale` that `inside` covers: one sample at
// scale 1, 8 × 8 otherwise. `inside` takes scale-1 coordinates as above, from the picture's
// top-left corner.
double shapeCoverage(const std::function<bool(double, double)>& inside, int column, int row,
                     int scale);

}  // namespace tabulor::facegen
