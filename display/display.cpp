#include "display/display.h"

#include "display/cell_access.h"

namespace tabulor {

Display::Display(const TickSource& tickSource) : clock(&tickSource) {
    // Every other field starts at its power-on value by its initializer.
    clearEntry(*this, true);
}

void clearEntry(Display& display, bool showZero) {
    const bool wasPending = display.entryPending;
    display.shiftShown = false;
    display.error = ErrorCode::None;
    forgetEntryPositions(display);
    // C during an entry discards only the number being keyed, so an operator stays pending.
    if (!wasPending) display.pendShown = false;
    display.entryPending = false;
    display.text.fill(u'\0');
    blankAllCells(display);
    clearAllMarks(display);
    if (showZero) {
        showNumber(display, 0.0);
        display.length = 0;
        display.pointPos = 0;
    }
    display.messageActive = false;
}

}  // namespace tabulor
