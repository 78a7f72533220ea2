#include "display/display_text.h"

namespace tabulor {

char glyphCharacter(Glyph glyph) {
    if (glyph < 0 || glyph >= GlyphIndex::Count) return '?';
    return kGlyphTable[static_cast<std::size_t>(glyph)].reads;
}

// The faceplate draws any nonzero code as a point and adds the comma's tail above 1.
char markCharacter(MarkCode mark) {
    if (mark == Mark::None) return 0;
    return mark > Mark::Point ? ',' : '.';
}

std::string errorBandName(ErrorCode error) {
    switch (error) {
        case Error::None:
            return {};
        case Error::Tvm:
            return "ERROR TVM";
        case Error::Full:
            return "ERROR FULL";
        case Error::StatError:
            return "ERROR STAT";
        case Error::Func:
            return "ERROR FUNC";
        case Error::Stat:
            return "STAT";
        default:
            return "ERROR " + std::to_string(error);  // no band exists; say what is there
    }
}

std::string cellText(const Display& display) {
    std::string text;
    for (int i = 0; i < kShownCells; ++i) {
        text += glyphCharacter(display.cells[static_cast<std::size_t>(i)]);
        if (const char mark = markCharacter(display.marks[static_cast<std::size_t>(i)])) {
            text += mark;
        }
    }
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

std::vector<std::string> annunciatorNames(const Display& display) {
    std::vector<std::string> names;
    if (display.shiftShown) names.emplace_back("SHIFT");
    if (display.pendShown) names.emplace_back("PEND");
    if (display.beginMode) names.emplace_back("BEGIN");
    if (display.lowBattery) names.emplace_back("BAT");
    if (display.error != Error::None) names.push_back(errorBandName(display.error));
    return names;
}

std::string displayLine(const Display& display) {
    std::string line = cellText(display);
    const std::vector<std::string> names = annunciatorNames(display);
    if (names.empty()) return line;
    line += "  [";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) line += ' ';
        line += names[i];
    }
    line += ']';
    return line;
}

}  // namespace tabulor
