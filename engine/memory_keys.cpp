// The digit keys under each prefix mode, the memory registers with storage arithmetic, the
// choice of displayed decimals with its full-precision view, and rounding to the display.

#include <cmath>

#include "engine/calculator.h"
#include "engine/key_actions.h"

namespace tabulor {

void pressDigit(Calculator& calculator, int digit) {
    Display& display = *calculator.display;
    switch (calculator.prefixMode) {
        case PrefixMode::None:
            appendDigit(display, digit);
            break;
        case PrefixMode::DisplayFormat:
            setDecimals(display, digit);
            break;
        case PrefixMode::Recall: {
            showNumber(display, calculator.registers[digit]);
            PendingOp& pending = calculator.pendingOps[calculator.depth];
            if (pending == PendingOp::None) pending = PendingOp::ResultShown;
            break;
        }
        case PrefixMode::Store: {
            const double v = readNumber(display, false);
            showNumber(display, v);
            // The register is the left operand: STO − 3 leaves R3 − v.
            calculator.registers[digit] =
                applyOperator(calculator, calculator.registers[digit], calculator.storageOp, v);
            calculator.storageOp = PendingOp::None;
            break;
        }
    }
    calculator.prefixMode = PrefixMode::None;
}

void pressStorageOperator(Calculator& calculator, PendingOp op) {
    calculator.storageOp = op;
}

void pressDisplayKey(Calculator& calculator) {
    if (calculator.prefixMode == PrefixMode::DisplayFormat) {
        Display& display = *calculator.display;
        // The number being keyed is what the view shows, and it stays the operand.
        if (display.entryPending && !display.messageActive) readNumber(display, false);
        showFullMantissa(display);
        calculator.prefixMode = PrefixMode::None;
    } else {
        calculator.prefixMode = PrefixMode::DisplayFormat;
    }
}

void roundToDisplay(Calculator& calculator) {
    Display& display = *calculator.display;
    const double v = readNumber(display, false);
    showNumber(display, v);
    // An infinite number shows the overflow message, whose glyphs must never be parsed back:
    // the value stays at ±1e300 and nothing counts as keyed.
    if (std::isinf(v)) return;
    const double w = readNumber(display, true);
    showNumber(display, w);
    // The rounded digits can parse back beyond the double range (1.80E308): overflow again.
    if (std::isinf(w)) return;
    display.entryPending = true;
}

}  // namespace tabulor
