#pragma once
// What the register view lists: the five TVM registers, P/YR, the payment mode and R0–R9, each
// as the display would show it now (its decimals and marks), with its full value and the text a
// copy gives.

#include <string>
#include <vector>

#include "engine/calculator_reading.h"

namespace tabulor {

struct RegisterRow {
    std::string name;        // "PMT", "R3"
    std::string shown;       // "-2,212.24", or "BEGIN" / "END" for the payment mode
    std::string full;        // 15 significant digits with a point: "-2212.24135467584"
    std::string copy;        // the shown value with a point and no grouping: "-2212.24"
    bool standsOut = false;  // a value that is not zero, or payments at the beginning
};

// Nothing for a calculator that never started.
std::vector<RegisterRow> registerRows(const CalculatorReading& reading);

}  // namespace tabulor
