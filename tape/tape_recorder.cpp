#include "tape/tape_recorder.h"

#include <algorithm>

#include "display/display_text.h"

namespace tabulor {

namespace {

// The number being keyed as the cells show it, without the cursor or the blanks around it.
std::string keyedText(const CalculatorReading& reading) {
    if (!reading.display) return {};
    const DisplayReading& display = *reading.display;
    if (!display.entryPending || display.message) return {};
    std::string text = cellText(display);
    std::erase(text, glyphCharacter(Glyph::Cursor));
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : text.substr(start);
}

std::string_view legendOf(KeyCode code, bool shifted) {
    const KeyFacts& key = keyFacts(code);
    return shifted && !key.shiftedLegend.empty() ? key.shiftedLegend : key.legend;
}

std::string_view operatorLegend(PendingOp op) {
    for (const KeyFacts& key : kKeyTable) {
        if (op != PendingOp::None && operatorOfKey(key.code) == op) return key.legend;
    }
    return {};
}

// "RCL", "STO", "STO+" or "DISP": the prefix waiting before the tap.
std::string prefixLegend(PrefixMode prefix, PendingOp storageOp) {
    switch (prefix) {
        case PrefixMode::Recall:
            return std::string(legendOf(Key::Recall, false));
        case PrefixMode::Store:
            return std::string(legendOf(Key::Recall, true)) +
                   std::string(operatorLegend(storageOp));
        case PrefixMode::DisplayFormat:
            return std::string(legendOf(Key::Equals, true));
        case PrefixMode::None:
            break;
    }
    return {};
}

// RCL, STO, DISP, and + − × ÷ while STO waits: keys that a digit must follow.
bool startsPrefix(KeyCode code, const StateBeforeTap& before) {
    if (code == Key::Recall || (code == Key::Equals && before.shifted)) return true;
    return before.prefix == PrefixMode::Store && !before.shifted &&
           operatorOfKey(code) != PendingOp::None;
}

// Digits (unless they complete a prefix), the point, +/− and E, and ← during an entry.
bool buildsNumber(KeyCode code, const StateBeforeTap& before) {
    if (digitOfKey(code) >= 0) return before.prefix == PrefixMode::None;
    switch (code) {
        case Key::Point:
            return !before.shifted;
        case Key::ChangeSign:
            return true;
        case Key::Backspace:
            return !before.shifted && before.entryPending;
        default:
            return false;
    }
}

}  // namespace

void TapeRecorder::beforeTap(const CalculatorReading& reading) {
    before_ =
        StateBeforeTap{reading.isOn,         reading.face == ShiftState::On,
                       reading.prefix,       reading.storageOp,
                       reading.tvmKeysSolve, reading.display && reading.display->entryPending};
    if (!stepKeyed_) stepKeyed_ = keyedText(reading);
}

std::optional<TapeLine> TapeRecorder::afterTap(KeyCode code, const CalculatorReading& reading) {
    if (!reading.display) return std::nullopt;
    const StateBeforeTap& before = before_;
    if (!before.isOn) {
        // While the calculator is off only ON does anything.
        if (code != Key::On) {
            stepKeyed_.reset();
            return std::nullopt;
        }
        return lineAfter(std::string(legendOf(code, false)), false, reading);
    }
    const bool prefixWaits = reading.prefix != PrefixMode::None;
    if (code == Key::Shift || (prefixWaits && startsPrefix(code, before))) return std::nullopt;
    if (buildsNumber(code, before)) {
        stepKeyed_.reset();
        return std::nullopt;
    }
    std::string key(legendOf(code, before.shifted));
    // A key that ends a waiting prefix completes its step: "RCL 3", "DISP =".
    if (before.prefix != PrefixMode::None && !prefixWaits) {
        key = prefixLegend(before.prefix, before.storageOp) + " " + key;
    }
    const bool solved = before.tvmKeysSolve && solvesItsRegister(code, before.shifted);
    return lineAfter(std::move(key), solved, reading);
}

TapeLine TapeRecorder::afterReset(const CalculatorReading& reading) {
    return lineAfter(std::string(kResetKey), false, reading);
}

TapeLine TapeRecorder::lineAfter(std::string key, bool solved, const CalculatorReading& reading) {
    TapeLine line;
    line.keyed = stepKeyed_.value_or(std::string());
    line.key = std::move(key);
    if (reading.display) {
        line.shown = displayLine(*reading.display);
        line.message = reading.display->message;
    }
    line.solved = solved;
    stepKeyed_.reset();
    return line;
}

}  // namespace tabulor
