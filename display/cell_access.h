#pragma once
// Bounds-checked access to the cell and mark storage. Every position the entry and formatting
// code computes goes through these. A read outside the 16 stored entries is a blank cell without
// a mark; a write there stops a checked build (assertions on) and is dropped in a release build,
// never touching memory beyond the arrays.

#include "display/display.h"

namespace tabulor {

void setCell(Display& display, int index, Glyph glyph);
Glyph cellAt(const Display& display, int index);
void setMark(Display& display, int index, MarkCode mark);
MarkCode markAt(const Display& display, int index);

void blankAllCells(Display& display);
void clearAllMarks(Display& display);

// Grouping marks every three digits leftwards from `digitsEnd` (the cell count of the integer
// digits): marks digitsEnd − 3, digitsEnd − 6, … while above 0. Other marks are left alone.
void placeGroupMarks(Display& display, int digitsEnd);

// The shared entry rule: all marks cleared, then grouping for the `length` keyed digits.
void regroup(Display& display);

// Cells 0..12 from the characters of `text` through the message glyph table, blank past its end;
// all marks cleared. Cells 13..15 are not touched.
void writeGlyphText(Display& display, std::u16string_view text);

// Forgets the entry's positions: what readNumber, showNumber and clearEntry share.
void forgetEntryPositions(Display& display);

}  // namespace tabulor
