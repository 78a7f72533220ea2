#pragma once
// Numbers between the display and the clipboard.

#include <optional>
#include <string>

#include "display/display_reading.h"
#include "engine/calculator.h"
#include "engine/number_keys.h"

namespace tabulor {

// The number on the display as shown, with '.' as the decimal point whichever mark the display
// uses, no grouping marks, and the exponent after 'e': " 1,234.50" gives "1234.50", " 5.00E20"
// gives "5.00e20". Nothing while the cells hold no number (a message, the banner).
std::optional<std::string> displayedNumberText(const DisplayReading& display);

}  // namespace tabulor
