#pragma once
// The 30 keys of the faceplate and what is printed on them.

#include <array>
#include <string_view>

namespace tabulor::facegen {

struct KeyLegends {
    int code = 0;                     // 5 × (row counted from the bottom) + column
    std::string_view primary;         // "\n" breaks a line, "^" raises the next character
    std::string_view shifted;         // empty: the key does the same with SHIFT
    std::string_view primaryOnShift;  // the small primary of the shifted face, if it differs
    bool primaryInRed = false;        // SHIFT itself
};

inline constexpr int kKeyCount = 30;

const std::array<KeyLegends, kKeyCount>& keyLegends();

}  // namespace tabulor::facegen
