#pragma once
// Watches taps from outside the engine: a reading before a tap and one after it tell whether the
// tap completes a step and what the step's line is. A step is one key, or a waiting key (SHIFT,
// RCL, STO, DISP, a storage operator) with the keys up to the one that completes it. The keys
// that build a number (digits, point, E, +/−, ← during an entry) write nothing; their number is
// the next line's `keyed`.

#include <optional>
#include <string>
#include <string_view>

#include "engine/calculator_reading.h"
#include "tape/tape_line.h"

namespace tabulor {

// The key of the step the window's Reset makes; it is no key of the faceplate.
inline constexpr std::string_view kResetKey = "Reset";

// What a tap's meaning depends on, read before it.
struct StateBeforeTap {
    bool isOn = true;
    bool shifted = false;
    PrefixMode prefix = PrefixMode::None;
    PendingOp storageOp = PendingOp::None;
    bool tvmKeysSolve = false;
    bool entryPending = false;
};

class TapeRecorder {
  public:
    // Before a key goes down, or before a Reset.
    void beforeTap(const CalculatorReading& reading);
    // After the key of `code` came up: the line when its tap completes a step.
    std::optional<TapeLine> afterTap(KeyCode code, const CalculatorReading& reading);
    // After a Reset, always a step.
    TapeLine afterReset(const CalculatorReading& reading);

  private:
    TapeLine lineAfter(std::string key, bool solved, const CalculatorReading& reading);

    StateBeforeTap before_;
    std::optional<std::string> stepKeyed_;  // set from the step's first key until its line
};

}  // namespace tabulor
