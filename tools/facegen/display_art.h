#pragma once
// The display's pictures: the seven-segment glyph strip, the error strip and the annunciators.

#include <string_view>

#include "canvas.h"
#include "faceplate/rect.h"

namespace tabulor::facegen {

// Each the size of the place the faceplate shows it in (faceplate/geometry.h); the strips hold
// one glyph or one error band after another. False when the pixel font lacks a letter.
Canvas drawGlyphStrip();
bool drawErrorStrip(Canvas& strip);
bool drawAnnunciator(Canvas& image, const Rect& place, std::string_view text);
Canvas drawBatteryAnnunciator();

}  // namespace tabulor::facegen
