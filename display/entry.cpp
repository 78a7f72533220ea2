// Building a number key by key in the cells: digits, the point, E, the sign and backspace.
#include <cmath>

#include "display/cell_access.h"
#include "display/display.h"

namespace tabulor {

namespace {

constexpr int kMaxExponentDigits = 3;

int exponentDigitsKeyed(const Display& display) {
    return display.length - display.exponentPos - (display.exponentNegative ? 1 : 0);
}

void toggleSignCell(Display& display) {
    const bool minusShown = cellAt(display, 0) == Glyph::Minus;
    setCell(display, 0, minusShown ? Glyph::Blank : Glyph::Minus);
}

}  // namespace

void appendDigit(Display& display, int digit) {
    if (digit < 0 || digit > 9) return;
    if (display.length >= kMaxEntryLength) return;
    display.messageActive = false;
    if (display.exponentPos > 0 && exponentDigitsKeyed(display) >= kMaxExponentDigits) return;

    display.length += 1;
    if (display.length == 1) {
        blankAllCells(display);
        clearAllMarks(display);
        display.pointPos = 0;
    }
    if (display.pointPos == 0 && display.exponentPos == 0) regroup(display);
    setCell(display, display.length, static_cast<Glyph>(digit));
    setCell(display, display.length + 1, Glyph::Cursor);
    display.entryPending = true;
}

void enterPoint(Display& display) {
    display.messageActive = false;
    if (display.pointPos != 0 || display.exponentPos != 0) return;
    if (display.length == 0) appendDigit(display, 0);
    display.pointPos = display.length;
    setMark(display, display.length, display.decimalMark);
    display.entryPending = true;
}

void enterExponent(Display& display) {
    display.messageActive = false;
    if (display.exponentPos != 0) return;
    if (display.length == 0) appendDigit(display, 1);
    // No length test: on a full entry the E lands behind the shown cells, where it takes no
    // digit and the next backspace removes it.
    display.length += 1;
    display.exponentPos = display.length;
    setCell(display, display.length, Glyph::Exponent);
    setCell(display, display.length + 1, Glyph::Cursor);
    display.entryPending = true;
}

void changeSign(Display& display) {
    // A shown value that is not a number has no sign to change, as zero has none; toggling the
    // sign cell would only make the cells parse as a zero.
    if ((display.value == 0.0 || std::isnan(display.value)) && display.length == 0) return;

    if (display.messageActive) {
        // The cells hold a message, not a number: its first cell is toggled as on a shown value
        // and the message stays. The number meant is the one under the message, so it takes
        // the sign change at once; readNumber returns it and expiry shows it.
        toggleSignCell(display);
        display.value = -display.value;
        display.entryPending = true;
        return;
    }

    if (display.exponentPos == 0) {
        toggleSignCell(display);
        display.entryPending = true;
        return;
    }

    if (display.exponentNegative) {
        for (int i = display.exponentPos + 2; i <= display.length; ++i) {
            setCell(display, i - 1, cellAt(display, i));
        }
        setCell(display, display.length + 1, Glyph::Blank);
        display.length -= 1;
        setCell(display, display.length + 1, Glyph::Cursor);
        display.exponentNegative = false;
        display.entryPending = true;
        return;
    }

    if (display.length >= kMaxEntryLength) return;
    for (int i = display.length; i >= display.exponentPos + 1; --i) {
        setCell(display, i + 1, cellAt(display, i));
    }
    setCell(display, display.exponentPos + 1, Glyph::Minus);
    display.length += 1;
    setCell(display, display.length + 1, Glyph::Cursor);
    display.exponentNegative = true;
    display.entryPending = true;
}

void backspace(Display& display) {
    // The first press after an error only clears the error. A message on the cells is left to
    // expire on its own: ending it here would leave its text on the cells with nothing to
    // replace it.
    if (display.error != ErrorCode::None) {
        display.error = ErrorCode::None;
        return;
    }
    display.messageActive = false;

    if (display.pointPos == display.length && display.length > 0) {
        setMark(display, display.pointPos, MarkCode::None);
        display.pointPos = 0;
        return;
    }

    if (display.length <= 1) {
        showNumber(display, 0.0);
        display.length = 0;
        display.pointPos = 0;
        display.exponentPos = 0;
        return;
    }

    if (display.exponentPos + 1 == display.length) display.exponentNegative = false;
    if (display.exponentPos == display.length) {
        display.exponentPos = 0;
        display.exponentNegative = false;
    }
    setCell(display, display.length + 1, Glyph::Blank);
    setCell(display, display.length, Glyph::Cursor);
    display.length -= 1;
    if (display.pointPos == 0 && display.exponentPos == 0) regroup(display);
}

}  // namespace tabulor
