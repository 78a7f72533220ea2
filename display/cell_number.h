#pragma once
// The shown cells read as the text of a number: what readNumber parses and what the clipboard
// copies.

#include <array>
#include <cstddef>
#include <string_view>

#include "display/display_reading.h"

namespace tabulor {

struct CellNumber {
    // Each shown cell gives at most one character and each mark at most a point.
    std::array<char, 2 * kShownCells> chars{};
    std::size_t size = 0;
    bool otherGlyphs = false;  // a cell shows a letter or another glyph that is no number's

    std::string_view text() const { return std::string_view(chars.data(), size); }
};

// Digits, '-' for the minus glyph, 'E' for the exponent glyph and '.' for the decimal mark, in
// cell order; blanks and the cursor give nothing.
CellNumber cellNumber(const DisplayReading& display);

}  // namespace tabulor
