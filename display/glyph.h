#pragma once
// The 34 seven-segment glyphs of the display (indices into the glyph strip), the marks drawn
// after a cell, and the error codes of the error annunciator.

#include <cstdint>

#include "display/glyph_table.h"

namespace tabulor {

using Glyph = std::int8_t;

namespace GlyphIndex {
inline constexpr Glyph Blank = 10;
inline constexpr Glyph Cursor = 11;
inline constexpr Glyph Minus = 12;
inline constexpr Glyph Exponent = 17;  // also the letter E
inline constexpr Glyph Count = kGlyphCount;
}  // namespace GlyphIndex

using MarkCode = std::int32_t;

namespace Mark {
inline constexpr MarkCode None = 0;
inline constexpr MarkCode Point = 1;
inline constexpr MarkCode Comma = 2;
}  // namespace Mark

using ErrorCode = std::int32_t;

namespace Error {
inline constexpr ErrorCode None = 0;
inline constexpr ErrorCode Tvm = 1;
inline constexpr ErrorCode Full = 2;
inline constexpr ErrorCode StatError = 3;
inline constexpr ErrorCode Func = 4;
inline constexpr ErrorCode Stat = 5;
}  // namespace Error

// The glyph a message character shows as; every character without a glyph shows blank.
Glyph glyphForCharacter(char16_t c);

}  // namespace tabulor
