#pragma once
// The display's pictures: the seven-segment glyph strip, the error strip and the annunciators.

#include <string>

#include "canvas.h"

namespace tabulor::facegen {

Canvas drawGlyphStrip();                                       // 476 × 35, 34 glyphs of 14 × 35
bool drawErrorStrip(Canvas& strip);                            // 53 × 36, six bands of 6 rows
bool drawAnnunciator(Canvas& image, const std::string& text);  // 25 × 6
Canvas drawBatteryAnnunciator();                               // 16 × 5

}  // namespace tabulor::facegen
