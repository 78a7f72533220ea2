// Cells back into a value: the keyed entry, or the value as the cells show it.
#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "display/cell_access.h"
#include "display/display.h"
#include "display/number_text.h"

namespace tabulor {

double readNumber(Display& display, bool force) {
    if (!display.entryPending && !force) return display.value;
    // Cells showing a value that is not a number hold no digits to parse; taking them as
    // displayed keeps it undefined rather than turning it into a zero.
    if (!display.entryPending && std::isnan(display.value)) return display.value;

    if (display.messageActive) {
        // A message's glyphs are no number (its O reads as a zero): the number meant is the one
        // the message stands over, which changeSign keeps in step with the sign cell.
        forgetEntryPositions(display);
        return display.value;
    }

    // Each shown cell gives at most one character and each mark at most a point.
    std::array<char, 2 * kShownCells> ascii{};
    std::size_t size = 0;
    for (int i = 0; i < kShownCells; ++i) {
        const Glyph glyph = cellAt(display, i);
        if (glyph >= 0 && glyph <= 9) {
            ascii[size++] = static_cast<char>('0' + glyph);
        } else if (glyph == GlyphIndex::Minus) {
            ascii[size++] = '-';
        } else if (glyph == GlyphIndex::Exponent) {
            ascii[size++] = 'E';
        }
        if (markAt(display, i) == display.decimalMark) ascii[size++] = '.';
    }

    forgetEntryPositions(display);
    display.value = parseLeadingNumber(std::string_view(ascii.data(), size));
    return display.value;
}

}  // namespace tabulor
