#pragma once
// Turning a pen-down inside the keypad into a key press.

#include <cstdint>
#include <optional>

#include "engine/calculator.h"

namespace tabulor {

// Finds the key cell under (x, y); on a hit presses that key (held until released) and returns
// true. The one-pixel gaps between the cells press nothing.
bool hitTest(Calculator& calculator, std::int32_t x, std::int32_t y);

// Presses `code` as a hit on its cell would. False for a code that names no key.
bool pressKeyCell(Calculator& calculator, KeyCode code);

// The key whose cell contains (x, y), if any, without pressing it.
std::optional<KeyCode> keyAt(std::int32_t x, std::int32_t y);

}  // namespace tabulor
