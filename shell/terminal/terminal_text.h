#pragma once
// Text from the user shown back in a message, made safe for the terminal it lands on. Both
// programs show every such text through this one function.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace tabulor {

// Control characters (C0, DEL and C1) and bytes that are not UTF-8 are written as \xHH, Unicode
// format characters (bidirectional controls, zero-width characters, tags) and the line and
// paragraph separators as \uHHHH or \UHHHHHHHH, and a backslash as \\, so that no escape
// sequence reaches the terminal, nothing reorders or hides what is read, and every byte can be
// told. Past `maxCharacters` characters the text is cut and ends in "…".
std::string terminalSafe(std::string_view text,
                         std::size_t maxCharacters = std::numeric_limits<std::size_t>::max());

}  // namespace tabulor
