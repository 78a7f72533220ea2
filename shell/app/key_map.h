#pragma once
// The physical keyboard's map onto the faceplate's keys.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/calculator.h"

namespace tabulor {

// Keys that type no character.
enum class NamedKey { Enter, Backspace, Escape, F9 };

// The faceplate key a typed character presses: digits, . and , (the point key), + - * / = ( ) %,
// and letters (either case) for SHIFT, ON, RCL and the five time-value-of-money keys.
std::optional<KeyCode> keyForCharacter(char32_t character);
std::optional<KeyCode> keyForNamedKey(NamedKey key);

// One line of the keyboard map as the About box and the documentation show it.
struct KeyMapLine {
    std::string_view keys;
    std::string_view meaning;
};
const std::vector<KeyMapLine>& keyboardMap();

}  // namespace tabulor
