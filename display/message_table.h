#pragma once
// The timed messages: each kind's text on the cells and its name for readers outside the
// display (the command line's --json). Written once here; the display and the engine show them.

#include <array>
#include <string_view>

#include "display/display.h"

namespace tabulor {

struct MessageEntry {
    MessageKind kind;
    std::string_view name;
    // The text shown; the full-mantissa view shows the value's digits instead, and the
    // payments-per-year message puts the number in front of this text.
    std::u16string_view text;
};

inline constexpr std::array kMessages{
    // Fills all 13 cells. The R lights segments e and g, the r a seven-segment display can
    // show; the glyph table's lower-case r lights a and f and would read as a Γ.
    MessageEntry{MessageKind::Banner, "banner", u"-- tAbuLoR --"},
    MessageEntry{MessageKind::Overflow, "overflow", u" OFLO"},
    MessageEntry{MessageKind::NoSolution, "no-solution", u" no Solutjon"},
    MessageEntry{MessageKind::FullMantissa, "full-mantissa", u""},
    MessageEntry{MessageKind::PaymentsPerYear, "payments-per-year", u"  P_YR"},
};

constexpr const MessageEntry& messageEntry(MessageKind kind) {
    for (const MessageEntry& entry : kMessages)
        if (entry.kind == kind) return entry;
    return kMessages.front();
}

// Shows the kind's own text.
inline void showMessage(Display& display, MessageKind kind) {
    showMessage(display, messageEntry(kind).text, kind);
}

}  // namespace tabulor
