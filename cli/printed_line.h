#pragma once
// What tabulor-cli prints for the calculator's state: the display line, or its JSON object.

#include <string>
#include <string_view>

#include "cli/options.h"
#include "engine/calculator_reading.h"

namespace tabulor {

// The calculator must have its Display.
std::string printedLine(const CalculatorReading& reading, OutputFormat format);

// TOKEN<TAB>LINE, the token as typed.
std::string traceLine(std::string_view token, const CalculatorReading& reading,
                      OutputFormat format);

}  // namespace tabulor
