#include "shell/app/clipboard_number.h"

#include <cctype>

#include "display/cell_number.h"
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

// The whole text as one number, or nothing.
std::optional<NumberSyntax> wholeNumber(std::string_view text) {
    const NumberSyntax number = scanNumber(text);
    if (number.length == 0 || number.length != text.size()) return std::nullopt;
    return number;
}

}  // namespace

std::optional<std::string> displayedNumberText(const DisplayReading& display) {
    if (display.message) return std::nullopt;
    const CellNumber cells = cellNumber(display);
    if (cells.otherGlyphs) return std::nullopt;  // a letter: the cells hold a message
    std::string text(cells.text());
    for (char& c : text) {
        if (c == 'E') c = 'e';
    }
    if (!wholeNumber(text)) return std::nullopt;
    return text;
}

std::optional<std::vector<KeyCode>> keysForNumberText(std::string_view text) {
    text = trimmed(text);
    if (text.size() > kLongestText) return std::nullopt;
    const std::optional<NumberSyntax> parts = wholeNumber(text);
    if (!parts) return std::nullopt;

    std::vector<KeyCode> keys;
    for (const char c : parts->mantissa)
        keys.push_back(c == '.' ? Key::Point : digitKey(c - '0'));
    if (parts->negative) keys.push_back(Key::ChangeSign);
    if (parts->hasExponent) {
        keys.push_back(Key::Shift);
        keys.push_back(Key::ChangeSign);
        for (const char c : parts->exponent)
            keys.push_back(digitKey(c - '0'));
        if (parts->exponentNegative) keys.push_back(Key::ChangeSign);
    }
    return keys;
}

}  // namespace tabulor
