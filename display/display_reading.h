#pragma once
// The display as everything outside the model reads it: the shown cells and their marks, the
// annunciators, the timed message, the value, the entry and the format. A view into the Display,
// cheap enough to make for every paint; it holds nothing the Display does not.

#include <cstdint>
#include <optional>
#include <span>

#include "display/display.h"

namespace tabulor {

struct DisplayReading {
    // Implicit, as a string_view is made from a string: a Display reads as itself.
    DisplayReading(const Display& display)  // NOLINT(google-explicit-constructor)
        : cells(display.cells.data(), kShownCells),
          marks(display.marks.data(), kShownCells),
          shiftShown(display.shiftShown),
          pendShown(display.pendShown),
          beginMode(display.beginMode),
          lowBattery(display.lowBattery),
          error(display.error),
          message(display.messageActive ? std::optional(display.messageKind) : std::nullopt),
          value(display.value),
          entryPending(display.entryPending),
          decimals(display.decimals),
          decimalMark(display.decimalMark) {}

    std::span<const Glyph, kShownCells> cells;
    std::span<const MarkCode, kShownCells> marks;
    bool shiftShown;
    bool pendShown;
    bool beginMode;
    bool lowBattery;
    ErrorCode error;
    std::optional<MessageKind> message;  // the timed message shown, if any
    double value;
    bool entryPending;
    std::int32_t decimals;
    MarkCode decimalMark;
};

}  // namespace tabulor
