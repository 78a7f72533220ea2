#pragma once
// The calculator's state as the JSON object that --json prints for each line, and a step of the
// tape as the object --json --tape prints for it.

#include <nlohmann/json.hpp>
#include <optional>

#include "engine/calculator_reading.h"
#include "tape/tape_line.h"

namespace tabulor {

// The --json name of a timed message, null for none (a number shows).
nlohmann::ordered_json messageJson(std::optional<MessageKind> message);

// {"display", "message", "annunciators", "error", "value", "entryPending", "isOn", "prefixMode",
//  "depth", "decimals", "registers", "tvm"}, in that order. The calculator must have its Display.
nlohmann::ordered_json stateJson(const CalculatorReading& reading);

// {"keyed", "key", "shown", "message", "solved"}: a step of the tape.
nlohmann::ordered_json tapeLineJson(const TapeLine& line);

}  // namespace tabulor
