#pragma once
// The tape as comma-separated values for a spreadsheet: a header row, then one row per line with
// the texts quoted, the message by its --json name (empty for none) and solved as true or false.

#include <string>

#include "tape/tape_line.h"

namespace tabulor {

// "keyed,key,shown,message,solved", without the line end.
std::string tapeCsvHeader();

// One line as a row, without the line end.
std::string tapeCsvRow(const TapeLine& line);

}  // namespace tabulor
