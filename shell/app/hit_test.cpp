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

Rect cellOf(const KeyEntry& entry) {
    return Rect{entry.left, entry.top, entry.left + kCellWidth, entry.top + kCellHeight};
}

// The key table entry under (x, y), or null over a gap or outside the keys.
const KeyEntry* entryAt(const Calculator& calculator, std::int32_t x, std::int32_t y) {
    if (x < 3 || y < 50) return nullptr;
    const std::int32_t column = (x - 3) / kColumnPitch;
    // Truncates toward zero: y 50..53 lands on the top row, and the cell check rejects it.
    const std::int32_t rowFromTop = (y - 54) / kRowPitch;
    if (column > kColumns - 1 || rowFromTop > kRows - 1) return nullptr;

    const std::size_t index = static_cast<std::size_t>(kRows * column + (kRows - 1 - rowFromTop));
    const KeyEntry& entry = calculator.keyTable[index];
    return contains(cellOf(entry), x, y) ? &entry : nullptr;
}

void press(Calculator& calculator, const KeyEntry& entry) {
    pressKey(calculator, entry.code);
    calculator.keyHeld = true;
    calculator.heldKeyRect = cellOf(entry);
}

const KeyEntry* entryFor(const Calculator& calculator, KeyCode code) {
    for (const KeyEntry& entry : calculator.keyTable) {
        if (entry.code == code) return &entry;
    }
    return nullptr;
}

}  // namespace

bool hitTest(Calculator& calculator, std::int32_t x, std::int32_t y) {
    const KeyEntry* entry = entryAt(calculator, x, y);
    if (entry == nullptr) return false;
    press(calculator, *entry);
    return true;
}

Rect keyCellOf(const Calculator& calculator, KeyCode code) {
    const KeyEntry* entry = entryFor(calculator, code);
    return entry == nullptr ? Rect{} : cellOf(*entry);
}

bool pressKeyCell(Calculator& calculator, KeyCode code) {
    const KeyEntry* entry = entryFor(calculator, code);
    if (entry == nullptr) return false;
    press(calculator, *entry);
    return true;
}

std::optional<KeyCode> keyAt(const Calculator& calculator, std::int32_t x, std::int32_t y) {
    const KeyEntry* entry = entryAt(calculator, x, y);
    if (entry == nullptr) return std::nullopt;
    return entry->code;
}

}  // namespace tabulor
