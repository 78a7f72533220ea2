#include "engine/number_keys.h"

#include <cctype>

#include "display/number_text.h"

namespace tabulor {

namespace {

// Longer text is no number a user meant to key into a 12-character entry.
constexpr std::size_t kLongestText = 64;

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::vector<KeyCode>> keysForNumberText(std::string_view text) {
    text = trimmed(text);
    if (text.size() > kLongestText) return std::nullopt;
    const NumberSyntax parts = scanNumber(text);
    if (parts.length == 0 || parts.length != text.size()) return std::nullopt;

    std::vector<KeyCode> keys;
    for (const char c : parts.mantissa)
        keys.push_back(c == '.' ? Key::Point : digitKey(c - '0'));
    if (parts.negative) keys.push_back(Key::ChangeSign);
    if (parts.hasExponent) {
        keys.push_back(Key::Shift);
        keys.push_back(Key::ChangeSign);
        for (const char c : parts.exponent)
            keys.push_back(digitKey(c - '0'));
        if (parts.exponentNegative) keys.push_back(Key::ChangeSign);
    }
    return keys;
}

}  // namespace tabulor
