#include "engine/invariants.h"

#include <cmath>
#include <string_view>
#include <type_traits>

namespace tabulor {

namespace {

using Violations = std::vector<std::string>;

void report(Violations& found, std::string_view rule, int index, long long seen) {
    std::string line(rule);
    if (index >= 0) line += " [" + std::to_string(index) + "]";
    line += ": " + std::to_string(seen);
    found.push_back(std::move(line));
}

bool isDefinedOp(PendingOp op) {
    switch (op) {
        case PendingOp::None:
        case PendingOp::Add:
        case PendingOp::Subtract:
        case PendingOp::Multiply:
        case PendingOp::Divide:
        case PendingOp::Power:
        case PendingOp::ResultShown:
            return true;
    }
    return false;
}

// The number a report prints for an enumerated field; a cast can put any number there.
template <typename Enumeration>
requires std::is_enum_v<Enumeration>
long long code(Enumeration value) {
    return static_cast<long long>(value);
}

void checkEngine(const Calculator& calculator, Violations& found) {
    const auto prefix = static_cast<std::int32_t>(calculator.prefixMode);
    if (prefix < 0 || prefix > static_cast<std::int32_t>(PrefixMode::DisplayFormat)) {
        report(found, "prefixMode outside None..DisplayFormat", -1, prefix);
    }
    if (calculator.shift != ShiftState::Off && calculator.shift != ShiftState::On) {
        report(found, "shift neither 0 nor 1", -1, code(calculator.shift));
    }
    if (calculator.depth < 0 || calculator.depth >= kLevels) {
        report(found, "depth outside 0..4", -1, calculator.depth);
    }
    for (int level = 0; level < kLevels; ++level) {
        if (!isDefinedOp(calculator.pendingOps[level])) {
            report(found, "pendingOps holds an undefined code", level,
                   code(calculator.pendingOps[level]));
        }
    }
    // STO takes only the four arithmetic operators; K may capture any code, ResultShown too.
    if (code(calculator.storageOp) < 0 || code(calculator.storageOp) > code(PendingOp::Divide)) {
        report(found, "storageOp outside None..Divide", -1, code(calculator.storageOp));
    }
    if (!isDefinedOp(calculator.constantOp)) {
        report(found, "constantOp holds an undefined code", -1, code(calculator.constantOp));
    }
    const double perYear = calculator.tvm.paymentsPerYear;
    if (!isPaymentsPerYear(perYear)) {
        // Printed in whole thousandths, enough to tell 0.5 or 12.25 from a whole number.
        report(found, "P/YR not a whole number of at least 1 (thousandths)", -1,
               std::isfinite(perYear) ? static_cast<long long>(perYear * 1000.0) : -1);
    }
}

bool withinStorage(std::int32_t position) {
    return position >= 0 && position < kCellStorage;
}

void checkCellsAndMarks(const Display& display, Violations& found) {
    for (int i = 0; i < kCellStorage; ++i) {
        if (code(display.cells[i]) < 0 || code(display.cells[i]) >= kGlyphCount) {
            report(found, "cell holds no glyph", i, code(display.cells[i]));
        }
        if (display.marks[i] < MarkCode::None || display.marks[i] > MarkCode::Comma) {
            report(found, "mark holds no mark code", i, code(display.marks[i]));
        }
    }
    const bool marksValid =
        (display.decimalMark == MarkCode::Point && display.groupMark == MarkCode::Comma) ||
        (display.decimalMark == MarkCode::Comma && display.groupMark == MarkCode::Point);
    if (!marksValid) {
        report(found, "decimal and grouping marks not one point and one comma", -1,
               10LL * code(display.decimalMark) + code(display.groupMark));
    }
    if (display.decimals < 0 || display.decimals > kMaxDecimals) {
        report(found, "decimals outside 0..9", -1, display.decimals);
    }
    const ErrorCode error = display.error;
    if (error != ErrorCode::None && error != ErrorCode::Tvm && error != ErrorCode::Full &&
        error != ErrorCode::Func) {
        report(found, "error not one of the codes raised", -1, code(error));
    }
}

constexpr std::int32_t kMaxExponentDigits = 3;

bool isDigitGlyph(Glyph glyph) {
    return code(glyph) >= 0 && code(glyph) <= 9;
}

// Cells 1..length hold digits with at most an E at exponentPos and its minus right after it;
// the cursor follows, then blanks.
void checkEntryCells(const Display& display, Violations& found) {
    const std::int32_t length = display.length;
    for (int i = 1; i <= length; ++i) {
        const Glyph glyph = display.cells[i];
        const bool expected = i == display.exponentPos ? glyph == Glyph::Exponent
                              : display.exponentNegative && i == display.exponentPos + 1
                                  ? glyph == Glyph::Minus
                                  : isDigitGlyph(glyph);
        if (!expected) report(found, "keyed cell holds the wrong glyph", i, code(glyph));
    }
    if (display.exponentPos > 0) {
        const std::int32_t digits =
            length - display.exponentPos - (display.exponentNegative ? 1 : 0);
        if (digits > kMaxExponentDigits) {
            report(found, "more than three exponent digits", -1, digits);
        }
    }
    if (length + 1 < kCellStorage && display.cells[length + 1] != Glyph::Cursor) {
        report(found, "no cursor after the keyed characters", length + 1,
               code(display.cells[length + 1]));
    }
    for (int i = length + 2; i < kCellStorage; ++i) {
        if (display.cells[i] != Glyph::Blank) {
            report(found, "cell after the cursor not blank", i, code(display.cells[i]));
        }
    }
    if (display.cells[0] != Glyph::Blank && display.cells[0] != Glyph::Minus) {
        report(found, "sign cell neither blank nor minus", 0, code(display.cells[0]));
    }
}

// The decimal mark stands only at pointPos; grouping marks only left of the point or the E.
void checkEntryMarks(const Display& display, Violations& found) {
    std::int32_t groupLimit = display.length;
    if (display.pointPos > 0) {
        groupLimit = display.pointPos;
    } else if (display.exponentPos > 0) {
        groupLimit = display.exponentPos;
    }
    if (display.pointPos > 0 && display.marks[display.pointPos] != display.decimalMark) {
        report(found, "no decimal mark at the keyed point", display.pointPos,
               code(display.marks[display.pointPos]));
    }
    for (int i = 0; i < kCellStorage; ++i) {
        const MarkCode mark = display.marks[i];
        if (mark == MarkCode::None) continue;
        if (mark == display.decimalMark && (i != display.pointPos || display.pointPos == 0)) {
            report(found, "decimal mark away from the keyed point", i, code(mark));
        } else if (mark == display.groupMark && (i < 1 || i >= groupLimit)) {
            report(found, "grouping mark right of the point or the E", i, code(mark));
        }
    }
}

void checkEntry(const Display& display, Violations& found) {
    const std::int32_t length = display.length;
    if (length == 0) {
        if (display.pointPos != 0 || display.exponentPos != 0 || display.exponentNegative) {
            report(found, "point or exponent positions without an entry", -1,
                   100LL * display.pointPos + display.exponentPos);
        }
        return;
    }
    // Twelve characters, and an E behind a full entry in the first cell that is not shown.
    if (length > kMaxEntryLength + 1) report(found, "entry longer than 13", -1, length);
    if (!display.entryPending) report(found, "entry keyed but not pending", -1, length);
    if (display.pointPos > length) report(found, "point beyond the entry", -1, display.pointPos);
    if (display.exponentPos > length) {
        report(found, "E beyond the entry", -1, display.exponentPos);
    }
    if (display.pointPos > 0 && display.exponentPos > 0 &&
        display.pointPos >= display.exponentPos) {
        report(found, "point not before the E", -1, display.pointPos);
    }
    if (display.exponentNegative &&
        (display.exponentPos == 0 || display.exponentPos + 1 > length)) {
        report(found, "exponent minus without its place after the E", -1, display.exponentPos);
    }
    if (length > kMaxEntryLength + 1 || display.pointPos > length || display.exponentPos > length) {
        return;  // the positions themselves are broken; the cells cannot be read against them
    }
    // A message covers the cells; the entry's shape shows only when none is on.
    if (display.messageActive) return;
    checkEntryCells(display, found);
    checkEntryMarks(display, found);
}

void checkDisplay(const Display& display, Violations& found) {
    checkCellsAndMarks(display, found);
    bool positionsStored = true;
    const std::int32_t positions[] = {display.length, display.pointPos, display.exponentPos};
    const std::string_view names[] = {"length outside the cell storage",
                                      "pointPos outside the cell storage",
                                      "exponentPos outside the cell storage"};
    for (int i = 0; i < 3; ++i) {
        if (!withinStorage(positions[i])) {
            report(found, names[i], -1, positions[i]);
            positionsStored = false;
        }
    }
    if (positionsStored) checkEntry(display, found);
}

}  // namespace

std::vector<std::string> findInvariantViolations(const Calculator& calculator) {
    Violations found;
    checkEngine(calculator, found);
    // Before initialize, or after it failed, there is no display to check.
    if (calculator.display != nullptr) checkDisplay(*calculator.display, found);
    return found;
}

}  // namespace tabulor
