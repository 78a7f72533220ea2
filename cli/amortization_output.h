#pragma once
// What --amortize and --schedule print in place of the display line: the range's three results
// on one line in the display's format (or one JSON object), or the schedule as CSV.

#include <functional>
#include <string>
#include <string_view>

#include "cli/options.h"
#include "engine/calculator_reading.h"

namespace tabulor {

// Takes one printed line, without its newline; false when the output failed.
using LineWriter = std::function<bool(std::string_view line)>;

// The results for the registers as they stand, as the options ask for them (one of the two must
// be set; the calculator must have its Display). Returns the refusal, or empty, also when a
// write failed and the rest was left unprinted.
std::string writeAmortization(const CalculatorReading& reading, const CliOptions& options,
                              const LineWriter& write);

}  // namespace tabulor
