#pragma once
// Text from the user shown back in a message, made safe for the terminal it lands on.

#include <cstddef>
#include <string>
#include <string_view>

namespace tabulor {

// Control characters (C0, DEL and C1) and bytes that are not UTF-8 are written as \xHH, and a
// backslash as \\, so that no escape sequence reaches the terminal and every byte can be told.
// Past `maxCharacters` characters the text is cut and ends in "…".
std::string terminalSafe(std::string_view text, std::size_t maxCharacters);

}  // namespace tabulor
