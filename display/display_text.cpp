#include "display/display_text.h"

#include "display/annunciator_names.h"

namespace tabulor {

char glyphCharacter(Glyph glyph) {
    const int index = static_cast<int>(glyph);
    if (index < 0 || index >= kGlyphCount) return '?';
    return kGlyphTable[static_cast<std::size_t>(index)].reads;
}

// The faceplate draws any nonzero code as a point and adds the comma's tail above 1.
char markCharacter(MarkCode mark) {
    if (mark == MarkCode::None) return 0;
    return mark > MarkCode::Point ? ',' : '.';
}

std::string errorBandName(ErrorCode error) {
    const int code = static_cast<int>(error);
    if (code >= 0 && code < static_cast<int>(kErrorBandNames.size()))
        return std::string(kErrorBandNames[static_cast<std::size_t>(code)]);
    // No band exists; say what is there.
    return "ERROR " + std::to_string(code);
}

std::string cellText(const DisplayReading& display) {
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

std::vector<std::string> annunciatorNames(const DisplayReading& display) {
    std::vector<std::string> names;
    if (display.shiftShown) names.emplace_back(kShiftName);
    if (display.pendShown) names.emplace_back(kPendName);
    if (display.beginMode) names.emplace_back(kBeginName);
    if (display.lowBattery) names.emplace_back(kBatteryName);
    if (display.error != ErrorCode::None) names.push_back(errorBandName(display.error));
    return names;
}

std::string displayLine(const DisplayReading& display) {
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
