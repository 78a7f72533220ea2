#pragma once
// The display's small capitals, the annunciator and error texts, at a scale: the 6-pixel pixel
// font at scale 1, and above it the legend font at the scale's size, anti-aliased, in the
// place and width the pixel font takes.

#include <string_view>

#include "canvas.h"
#include "text.h"

namespace tabulor::facegen {

struct Captions {
    const Font* font = nullptr;  // unused at scale 1
    int scale = 1;
    // One size for every caption, fitted to the narrowest, so that the letters match from one
    // annunciator or error band to the next.
    CaptionSize size;
};

// False when the font lacks a letter or cannot be narrowed to the pixel font's widths.
bool makeCaptions(const Font& font, int scale, Captions& captions);

// Where the text's ink is held when the font's width differs from the pixel font's.
enum class Anchor { Left, Centre, Right };

// Paints `text` where the pixel font puts it at scale 1 with its top-left corner at (x, y), in
// scale-1 pixels. False for a letter the font lacks.
bool drawCaption(Canvas& canvas, const Captions& captions, std::string_view text, int x, int y,
                 Anchor anchor, const Rgb& colour);

}  // namespace tabulor::facegen
