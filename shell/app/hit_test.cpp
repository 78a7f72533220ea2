#include "shell/app/hit_test.h"

#include <cstddef>

namespace tabulor {

namespace {

constexpr std::int32_t kColumnPitch = 47;
constexpr std::int32_t kRowPitch = 40;
constexpr std::int32_t kCellWidth = 46;
constexpr std::int32_t kCellHeight = 39;
constexpr std::int32_t kColumns = 5;
constexpr std::int32_t kRows = 6;

}  // namespace

bool hitTest(Calculator& calculator, std::int32_t x, std::int32_t y) {
    if (x < 3 || y < 50) return false;
    const std::int32_t column = (x - 3) / kColumnPitch;
    // Truncates toward zero: y 50..53 lands on the top row, and the cell check rejects it.
    const std::int32_t rowFromTop = (y - 54) / kRowPitch;
    if (column > kColumns - 1 || rowFromTop > kRows - 1) return false;

    const std::size_t index = static_cast<std::size_t>(kRows * column + (kRows - 1 - rowFromTop));
    const KeyEntry& entry = calculator.keyTable[index];
    const Rect cell{entry.left, entry.top, entry.left + kCellWidth, entry.top + kCellHeight};
    if (!contains(cell, x, y)) return false;

    pressKey(calculator, entry.code);
    calculator.keyHeld = true;
    calculator.heldKeyRect = cell;
    return true;
}

}  // namespace tabulor
