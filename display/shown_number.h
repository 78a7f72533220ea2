#pragma once
// A value as the display would show it, as text, for figures worked out beside the calculator
// (amortization) that must read exactly as its own do: "-552.08", "49,978.73", "1.23e+013".

#include <string>

#include "display/display_reading.h"

namespace tabulor {

// The cells' text with the decimals and marks of `like`, without the sign cell's blank.
std::string shownNumber(double value, const DisplayReading& like);
// The same with the decimals and decimal mark given, for text made after the display has moved
// on (a table drawn later).
std::string shownNumber(double value, std::int32_t decimals, MarkCode decimalMark);

}  // namespace tabulor
