#include "shell/app/hit_test.h"

namespace tabulor {

namespace {

// The key under (x, y), or none over a gap or outside the keys.
std::optional<KeyCode> codeAt(std::int32_t x, std::int32_t y) {
    if (x < 3 || y < 50) return std::nullopt;
    const std::int32_t column = (x - 3) / kKeyColumnPitch;
    // Truncates toward zero: y 50..53 lands on the top row, and the cell check rejects it.
    const std::int32_t rowFromTop = (y - 54) / kKeyRowPitch;
    if (column > kKeyColumns - 1 || rowFromTop > kKeyRows - 1) return std::nullopt;

    const KeyCode code = keyCodeAt(column, kKeyRows - 1 - rowFromTop);
    if (!contains(keyCell(code), x, y)) return std::nullopt;
    return code;
}

}  // namespace

bool hitTest(Calculator& calculator, std::int32_t x, std::int32_t y) {
    const std::optional<KeyCode> code = codeAt(x, y);
    if (!code) return false;
    pressKey(calculator, *code);
    return true;
}

bool pressKeyCell(Calculator& calculator, KeyCode code) {
    if (!isKeyCode(code)) return false;
    pressKey(calculator, code);
    return true;
}

std::optional<KeyCode> keyAt(std::int32_t x, std::int32_t y) {
    return codeAt(x, y);
}

}  // namespace tabulor
