#pragma once
// Test helpers: the cells and marks as the one-line text of the command-line front end, and
// key sequences typed into a Display.

#include <string>
#include <string_view>

#include "display/display.h"

namespace tabulor::testing {

// The shown cells and marks as the command-line front end prints them (cellText), trailing
// blanks removed: a fresh display reads " 0.00".
std::string readout(const Display& display);

// Types keys into the display: '0'..'9' appendDigit, '.' enterPoint, 'E' enterExponent,
// 's' changeSign, '<' backspace. Any other character fails the calling test.
void key(Display& display, std::string_view keys);

}  // namespace tabulor::testing
