#pragma once
// The physical keyboard's map onto the faceplate's keys, as the key table gives it.

#include <optional>
#include <string>
#include <vector>

#include "engine/key_table.h"

namespace tabulor {

// The faceplate key a typed character presses: digits, . and , (the point key), + - * / = ( ) %,
// and letters (either case) for ×, SHIFT, ON, RCL and the five time-value-of-money keys.
std::optional<KeyCode> keyForCharacter(char32_t character);
std::optional<KeyCode> keyForNamedKey(NamedKey key);

// The keyboard keys that press a faceplate key, as the keyboard map names them: "Escape",
// ". or ,", "Enter, Return or =".
std::string keyboardKeysFor(KeyCode code);

// One line of the keyboard map as the About box and the documentation show it.
struct KeyMapLine {
    std::string keys;
    std::string meaning;
};
const std::vector<KeyMapLine>& keyboardMap();

}  // namespace tabulor
