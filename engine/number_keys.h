#pragma once
// The keys that type a number into the entry, for every front end that turns text into taps
// (a paste, the command line's hint for a number written as one word).

#include <optional>
#include <string_view>
#include <vector>

#include "engine/key_table.h"

namespace tabulor {

// The digits and point of the mantissa, +/− for a negative one, then E (SHIFT, +/−), the
// exponent's digits and +/− for a negative exponent. Surrounding white space is allowed;
// anything but [+-]digits[.digits][(e|E)[+-]digits] (at least one mantissa digit) gives nothing.
std::optional<std::vector<KeyCode>> keysForNumberText(std::string_view text);

}  // namespace tabulor
