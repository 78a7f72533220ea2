#pragma once
// The tape as a printing calculator's till roll prints it: one line per step, right-aligned
// columns for the number keyed, the key and the value shown, a '*' after a solved value, and the
// lit annunciators after it.
//
//     ......keyed......  ...key....  .....value.......*  [annunciators]
//                 1,250           +           1,250.00    [PEND]
//                                PMT          -2,212.24 *
//
// The columns are 17, 10 and 17 characters wide, two blanks apart, wide enough for the longest
// entry, prefixed key and shown value; a timed message that spells words is printed in words.

#include <string>

#include "tape/tape_line.h"

namespace tabulor {

// The --json name in words: "no solution", "payments per year".
std::string messageWords(MessageKind kind);

// One step as its till-roll line, without the newline; trailing blanks removed.
std::string tapeText(const TapeLine& line);

}  // namespace tabulor
