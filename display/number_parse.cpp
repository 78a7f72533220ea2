// Cells back into a value: the keyed entry, or the value as the cells show it.
#include <cmath>

#include "display/cell_access.h"
#include "display/cell_number.h"
#include "display/display.h"
#include "display/number_text.h"

namespace tabulor {

CellNumber cellNumber(const DisplayReading& display) {
    CellNumber number;
    for (std::size_t i = 0; i < display.cells.size(); ++i) {
        const Glyph glyph = display.cells[i];
        const int index = static_cast<int>(glyph);
        if (index >= 0 && index <= 9) {
            number.chars[number.size++] = static_cast<char>('0' + index);
        } else if (glyph == Glyph::Minus) {
            number.chars[number.size++] = '-';
        } else if (glyph == Glyph::Exponent) {
            number.chars[number.size++] = 'E';
        } else if (glyph != Glyph::Blank && glyph != Glyph::Cursor) {
            number.otherGlyphs = true;
        }
        if (display.marks[i] == display.decimalMark) number.chars[number.size++] = '.';
    }
    return number;
}

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

    const CellNumber cells = cellNumber(display);
    forgetEntryPositions(display);
    display.value = parseLeadingNumber(cells.text());
    return display.value;
}

}  // namespace tabulor
