#pragma once
// Points and rectangles in faceplate pixels, from the top-left corner.

#include <cstdint>

namespace tabulor {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Right and bottom exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
};

constexpr bool contains(const Rect& rect, std::int32_t x, std::int32_t y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace tabulor
