#include "display/tests/display_readout.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace tabulor::testing {

namespace {

constexpr std::string_view kGlyphCharacters = "0123456789 _-AbCdEFHiLNPruURYnotj8";

char glyphCharacter(Glyph glyph) {
    if (glyph < 0 || static_cast<std::size_t>(glyph) >= kGlyphCharacters.size()) return '?';
    return kGlyphCharacters[static_cast<std::size_t>(glyph)];
}

}  // namespace

std::string readout(const Display& display) {
    std::string line;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kShownCells); ++i) {
        line += glyphCharacter(display.cells[i]);
        if (display.marks[i] == Mark::Point) line += '.';
        if (display.marks[i] == Mark::Comma) line += ',';
        if (display.marks[i] != Mark::None && display.marks[i] != Mark::Point &&
            display.marks[i] != Mark::Comma) {
            line += '?';
        }
    }
    const std::size_t end = line.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

void key(Display& display, std::string_view keys) {
    for (const char c : keys) {
        if (c >= '0' && c <= '9') {
            appendDigit(display, c - '0');
        } else if (c == '.') {
            enterPoint(display);
        } else if (c == 'E') {
            enterExponent(display);
        } else if (c == 's') {
            changeSign(display);
        } else if (c == '<') {
            backspace(display);
        } else {
            ADD_FAILURE() << "no key for '" << c << "' in \"" << keys << '"';
        }
    }
}

}  // namespace tabulor::testing
