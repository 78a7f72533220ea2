#include "display/cell_access.h"

#include <cassert>
#include <cstddef>

namespace tabulor {

namespace {

bool inStorage(int index) {
    return index >= 0 && index < kCellStorage;
}

// A write outside the storage is a fault in the position arithmetic: the checked builds (the
// sanitizer run, the fuzzer) stop on it so it is found; a release build still never writes there.
bool writableIndex(int index) {
    assert(inStorage(index) && "cell or mark index outside the display's storage");
    return inStorage(index);
}

}  // namespace

void setCell(Display& display, int index, Glyph glyph) {
    if (writableIndex(index)) display.cells[static_cast<std::size_t>(index)] = glyph;
}

Glyph cellAt(const Display& display, int index) {
    return inStorage(index) ? display.cells[static_cast<std::size_t>(index)] : Glyph::Blank;
}

void setMark(Display& display, int index, MarkCode mark) {
    if (writableIndex(index)) display.marks[static_cast<std::size_t>(index)] = mark;
}

MarkCode markAt(const Display& display, int index) {
    return inStorage(index) ? display.marks[static_cast<std::size_t>(index)] : MarkCode::None;
}

void blankAllCells(Display& display) {
    display.cells.fill(Glyph::Blank);
}

void clearAllMarks(Display& display) {
    display.marks.fill(MarkCode::None);
}

void placeGroupMarks(Display& display, int digitsEnd) {
    for (int i = digitsEnd - 3; i > 0; i -= 3)
        setMark(display, i, display.groupMark);
}

void regroup(Display& display) {
    clearAllMarks(display);
    placeGroupMarks(display, display.length);
}

void writeGlyphText(Display& display, std::u16string_view text) {
    clearAllMarks(display);
    for (int i = 0; i < kShownCells; ++i) {
        const auto at = static_cast<std::size_t>(i);
        setCell(display, i, at < text.size() ? glyphForCharacter(text[at]) : Glyph::Blank);
    }
}

void forgetEntryPositions(Display& display) {
    display.length = 0;
    display.pointPos = 0;
    display.exponentPos = 0;
    display.exponentNegative = false;
}

}  // namespace tabulor
