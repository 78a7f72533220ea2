#pragma once
// The 34 seven-segment glyphs of the display (indices into the glyph strip), the marks drawn
// after a cell, and the error codes of the error annunciator.

#include <cstdint>

#include "display/glyph_table.h"

namespace tabulor {

// Glyphs 0 to 9 are the digits; the others are named where the code needs them.
enum class Glyph : std::int8_t {
    Blank = 10,
    Cursor = 11,
    Minus = 12,
    Exponent = 17,  // also the letter E
};

enum class MarkCode : std::int32_t { None = 0, Point = 1, Comma = 2 };

enum class ErrorCode : std::int32_t {
    None = 0,
    Tvm = 1,
    Full = 2,
    StatError = 3,
    Func = 4,
    Stat = 5,
};

// The glyph a message character shows as; every character without a glyph shows blank.
Glyph glyphForCharacter(char16_t c);

}  // namespace tabulor
