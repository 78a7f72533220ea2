#pragma once
// What tabulor-cli prints for the calculator's state (the display line, or its JSON object) and
// for a step of the tape.

#include <string>
#include <string_view>

#include "cli/options.h"
#include "engine/calculator_reading.h"
#include "tape/tape_line.h"

namespace tabulor {

// The calculator must have its Display.
std::string printedLine(const CalculatorReading& reading, OutputFormat format);

// A step of the tape: its till-roll line, or its JSON object.
std::string printedTapeLine(const TapeLine& line, OutputFormat format);

// TOKEN<TAB>LINE, the token as typed.
std::string traceLine(std::string_view token, const CalculatorReading& reading,
                      OutputFormat format);

}  // namespace tabulor
