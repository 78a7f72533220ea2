#include "shell/window/clipboard_number.h"

#include "display/cell_number.h"
#include "display/number_text.h"

namespace tabulor {

std::optional<std::string> displayedNumberText(const DisplayReading& display) {
    if (display.message) return std::nullopt;
    const CellNumber cells = cellNumber(display);
    if (cells.otherGlyphs) return std::nullopt;  // a letter: the cells hold a message
    std::string text(cells.text());
    for (char& c : text) {
        if (c == 'E') c = 'e';
    }
    // Only a whole number: no cursor left, no bare E.
    const NumberSyntax number = scanNumber(text);
    if (number.length == 0 || number.length != text.size()) return std::nullopt;
    return text;
}

}  // namespace tabulor
