#pragma once
// The display's pictures: the seven-segment glyph strip, the error strip, the annunciators and
// the decimal marks, at a scale of 1 to 4.

#include <string_view>

#include "canvas.h"
#include "captions.h"
#include "faceplate/rect.h"

namespace tabulor::facegen {

// Each the size of the place the faceplate shows it in (faceplate/geometry.h) times the scale;
// the strips hold one glyph, one error band or one mark after another. False when a caption
// cannot be drawn.
Canvas drawGlyphStrip(int scale);
bool drawErrorStrip(const Captions& captions, Canvas& strip);
bool drawAnnunciator(const Captions& captions, const Rect& place, std::string_view text,
                     Canvas& image);
Canvas drawBatteryAnnunciator(int scale);
// The point, then the comma, each on its mark box of the panel. Only the larger scales have it:
// at scale 1 the program sets the marks' pixels itself.
Canvas drawMarkStrip(int scale);

}  // namespace tabulor::facegen
