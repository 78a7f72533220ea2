#pragma once
// What tabulor-cli prints for the calculator's state: the display line, or its JSON object.

#include <string>
#include <string_view>

#include "cli/options.h"
#include "engine/calculator.h"

namespace tabulor {

// The calculator must have its Display.
std::string printedLine(const Calculator& calculator, OutputFormat format);

// TOKEN<TAB>LINE, the token as typed.
std::string traceLine(std::string_view token, const Calculator& calculator, OutputFormat format);

}  // namespace tabulor
