#pragma once
// What each key says: its primary legend and the shifted one, as a screen reader reads them.

#include <string_view>

#include "engine/calculator.h"

namespace tabulor {

struct KeyLegend {
    std::string_view primary;
    std::string_view shifted;  // empty for a key without a shifted function
};

// The legends of `code` (0..29); empty legends for any other code.
KeyLegend keyLegend(KeyCode code);

}  // namespace tabulor
