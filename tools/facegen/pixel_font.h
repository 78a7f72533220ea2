#pragma once
// The display's small capitals: 6 pixels high, drawn pixel by pixel without smoothing, for the
// annunciators and the error texts.

#include <string_view>

#include "canvas.h"

namespace tabulor::facegen {

inline constexpr int kPixelFontHeight = 6;

// Width in pixels of `text`, one blank column between letters.
int pixelTextWidth(std::string_view text);

// Paints `text` with its top-left corner at (x, y). Returns false for a letter the font lacks.
bool drawPixelText(Canvas& canvas, std::string_view text, int x, int y, const Rgb& colour);

}  // namespace tabulor::facegen
