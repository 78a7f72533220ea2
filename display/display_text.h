#pragma once
// The display as one line of text: the 13 shown cells with their marks, then the lit
// annunciators in brackets, e.g. " 1,234.50  [PEND BAT]". The command-line front end prints it;
// the window reads it out to screen readers.

#include <string>
#include <vector>

#include "display/display_reading.h"

namespace tabulor {

// The character a glyph reads as; '?' for an index outside the glyph strip.
char glyphCharacter(Glyph glyph);

// The mark as drawn after its cell: none, a point or a comma (0 if nothing is drawn).
char markCharacter(MarkCode mark);

// "ERROR TVM", ..., "STAT"; empty for no error.
std::string errorBandName(ErrorCode error);

// The cells and marks, trailing blanks removed (the sign cell's blank stays before a number).
std::string cellText(const DisplayReading& display);

// SHIFT, PEND, BEGIN, BAT and the error band, those lit, in that order.
std::vector<std::string> annunciatorNames(const DisplayReading& display);

// cellText, then "  [" names "]" when any annunciator is lit.
std::string displayLine(const DisplayReading& display);

}  // namespace tabulor
