#include "faceplate/hit_test.h"

#include "faceplate/geometry.h"

namespace tabulor {

bool hitTest(Calculator& calculator, std::int32_t x, std::int32_t y) {
    const std::optional<KeyCode> code = keyAt(x, y);
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
    for (KeyCode code = 0; code < kKeyCount; ++code) {
        if (contains(faceplate::keyCell(code), x, y)) return code;
    }
    return std::nullopt;
}

}  // namespace tabulor
