#include "cli/json_line.h"

#include <cmath>

namespace tabulor {

nlohmann::ordered_json jsonNumber(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

namespace {

std::string scalarText(const nlohmann::ordered_json& value) {
    // Invalid UTF-8 in a string becomes U+FFFD rather than an exception.
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void appendJson(std::string& out, const nlohmann::ordered_json& value) {
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            if (!first) out += ", ";
            first = false;
            out += scalarText(nlohmann::ordered_json(key));
            out += ": ";
            appendJson(out, member);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        bool first = true;
        for (const auto& element : value) {
            if (!first) out += ", ";
            first = false;
            appendJson(out, element);
        }
        out += ']';
    } else {
        out += scalarText(value);
    }
}

}  // namespace

std::string formatJsonLine(const nlohmann::ordered_json& value) {
    std::string out;
    appendJson(out, value);
    return out;
}

}  // namespace tabulor
