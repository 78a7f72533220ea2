#pragma once
// JSON on one line with ", " and ": " between the parts. The structure is walked here; every
// scalar (strings with their escapes, numbers in their shortest round-trip form) is the
// library's own text.

#include <nlohmann/json.hpp>
#include <string>

namespace tabulor {

// A double as a JSON value: the number itself, or "NaN", "Infinity", "-Infinity", which JSON
// numbers cannot express.
nlohmann::ordered_json jsonNumber(double value);

std::string formatJsonLine(const nlohmann::ordered_json& value);

}  // namespace tabulor
