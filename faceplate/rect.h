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

// The same rectangle on a picture drawn `scale` times the size: how the geometry's rectangles
// (faceplate/geometry.h) become those of a larger scale.
constexpr Rect scaled(const Rect& rect, std::int32_t scale) {
    return Rect{rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale};
}

constexpr Point scaled(Point point, std::int32_t scale) {
    return Point{point.x * scale, point.y * scale};
}

// Empty (right ≤ left or bottom ≤ top) when they do not meet.
constexpr Rect intersection(const Rect& a, const Rect& b) {
    return Rect{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

constexpr bool contains(const Rect& rect, std::int32_t x, std::int32_t y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace tabulor
