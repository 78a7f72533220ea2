#pragma once
// The calculator's state as the JSON object that --json prints for each line.

#include <nlohmann/json.hpp>

#include "engine/calculator_reading.h"

namespace tabulor {

// {"display", "message", "annunciators", "error", "value", "entryPending", "isOn", "prefixMode",
//  "depth", "decimals", "registers", "tvm"}, in that order. The calculator must have its Display.
nlohmann::ordered_json stateJson(const CalculatorReading& reading);

}  // namespace tabulor
