#pragma once
// Numbers between the display and the clipboard.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/display_reading.h"
#include "engine/calculator.h"

namespace tabulor {

// The number on the display as shown, with '.' as the decimal point whichever mark the display
// uses, no grouping marks, and the exponent after 'e': " 1,234.50" gives "1234.50", " 5.00E20"
// gives "5.00e20". Nothing while the cells hold no number (a message, the banner).
std::optional<std::string> displayedNumberText(const DisplayReading& display);

// The keys that type `text` into the entry: the digits and point of the mantissa, +/− for a
// negative one, then E (SHIFT, +/−), the exponent's digits and +/− for a negative exponent.
// Surrounding white space is allowed; anything but [+-]digits[.digits][(e|E)[+-]digits]
// (at least one mantissa digit) gives nothing.
std::optional<std::vector<KeyCode>> keysForNumberText(std::string_view text);

}  // namespace tabulor
