// The display settings a key changes: the number of decimals and which mark is the decimal one.
#include <algorithm>
#include <cstddef>

#include "display/display.h"

namespace tabulor {

void setDecimals(Display& display, int decimals) {
    // The digit keys give 0..9; anything else is held to that range so the printed text always
    // fits its workspace.
    display.decimals = std::clamp(decimals, 0, kMaxDecimals);
    showNumber(display, readNumber(display, false));
}

void swapMarks(Display& display) {
    const MarkCode old = display.decimalMark;
    if (old == MarkCode::Point) {
        display.groupMark = MarkCode::Point;
        display.decimalMark = MarkCode::Comma;
    } else {
        display.groupMark = MarkCode::Comma;
        display.decimalMark = MarkCode::Point;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(kShownCells); ++i) {
        MarkCode& mark = display.marks[i];
        if (mark == MarkCode::None) continue;
        mark = mark == old ? display.decimalMark : display.groupMark;
    }
}

}  // namespace tabulor
