#include "shell/app/clipboard_number.h"

#include <cctype>

#include "display/display_text.h"

namespace tabulor {

namespace {

// Longer text is no number a user meant to key into a 12-character entry.
constexpr std::size_t kLongestText = 64;

struct NumberParts {
    bool negative = false;
    std::string mantissa;  // digits and at most one point
    bool hasExponent = false;
    bool exponentNegative = false;
    std::string exponent;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<NumberParts> splitNumber(std::string_view text) {
    NumberParts parts;
    std::size_t i = 0;
    const auto sign = [&](bool& negative) {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    };
    sign(parts.negative);
    bool point = false;
    bool digit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        parts.mantissa.push_back(c);
    }
    if (!digit) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        parts.hasExponent = true;
        sign(parts.exponentNegative);
        while (i < text.size() && isDigit(text[i]))
            parts.exponent.push_back(text[i++]);
        if (parts.exponent.empty()) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return parts;
}

KeyCode digitKey(char digit) {
    if (digit == '0') return Key::Digit0;
    const int index = digit - '1';
    return Key::Digit1 + 5 * (index / 3) + index % 3;
}

}  // namespace

std::optional<std::string> displayedNumberText(const Display& display) {
    if (display.messageActive) return std::nullopt;
    std::string text;
    for (int i = 0; i < kShownCells; ++i) {
        const char c = glyphCharacter(display.cells[static_cast<std::size_t>(i)]);
        if (isDigit(c) || c == '-') {
            text.push_back(c);
        } else if (c == 'E') {
            text.push_back('e');
        } else if (c != ' ' && c != '_') {
            return std::nullopt;  // a letter: the cells hold a message
        }
        const MarkCode mark = display.marks[static_cast<std::size_t>(i)];
        if (mark != Mark::None && mark == display.decimalMark) text.push_back('.');
    }
    if (!splitNumber(text)) return std::nullopt;
    return text;
}

std::optional<std::vector<KeyCode>> keysForNumberText(std::string_view text) {
    text = trimmed(text);
    if (text.size() > kLongestText) return std::nullopt;
    const std::optional<NumberParts> parts = splitNumber(text);
    if (!parts) return std::nullopt;

    std::vector<KeyCode> keys;
    for (const char c : parts->mantissa)
        keys.push_back(c == '.' ? Key::Point : digitKey(c));
    if (parts->negative) keys.push_back(Key::ChangeSign);
    if (parts->hasExponent) {
        keys.push_back(Key::Shift);
        keys.push_back(Key::ChangeSign);
        for (const char c : parts->exponent)
            keys.push_back(digitKey(c));
        if (parts->exponentNegative) keys.push_back(Key::ChangeSign);
    }
    return keys;
}

}  // namespace tabulor
