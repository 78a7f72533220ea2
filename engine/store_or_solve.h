#pragma once
// Whether a time-value-of-money key stores the number on the display or solves for its register.
// The engine's TVM keys act on it, and the calculator's reading carries it for those outside.

#include "engine/calculator.h"

namespace tabulor {

constexpr bool isTvmKey(KeyCode code) {
    return code >= Key::N && code <= Key::FutureValue;
}

// The TVM keys that have a register of their own to solve or convert for: the five plain ones,
// NOM% and EFF%. xP/YR and P/YR take the display's number even when nothing is keyed, and
// BEG/END only toggles the timing.
constexpr bool solvesItsRegister(KeyCode code, bool shifted) {
    return isTvmKey(code) &&
           (!shifted || code == Key::InterestPerYear || code == Key::PresentValue);
}

// The state in which such a key solves: nothing keyed, no operation waiting on this level, and
// no STO or RCL waiting for it (DISP does not count: a TVM key drops it).
bool tvmKeysSolve(const Calculator& calculator);

}  // namespace tabulor
