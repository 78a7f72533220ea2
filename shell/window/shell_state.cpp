#include "shell/window/shell_state.h"

#include "faceplate/hit_test.h"

namespace tabulor {

Rect repaintRect(Repaint repaint) {
    switch (repaint) {
        case Repaint::Window:
            return kClientRect;
        case Repaint::Keypad:
            return faceplate::kKeypadRect;
        case Repaint::Display:
            return faceplate::kDisplayRect;
        case Repaint::Nothing:
            break;
    }
    return Rect{};
}

void toggleFullScreen(ShellState& state) {
    state.fullScreen = !state.fullScreen;
}

PenDownResult penDown(ShellState& state, Calculator& calculator, std::int32_t x, std::int32_t y) {
    if (!contains(faceplate::kKeypadRect, x, y)) {
        toggleFullScreen(state);
        return PenDownResult{false, Repaint::Nothing};
    }
    const bool hit = hitTest(calculator, x, y);
    if (hit) state.fullScreen = true;
    return PenDownResult{hit, Repaint::Window};
}

Repaint keyDown(ShellState& state, Calculator& calculator, KeyCode code) {
    if (!pressKeyCell(calculator, code)) return Repaint::Nothing;
    state.fullScreen = true;
    return Repaint::Window;
}

Repaint penUp(Calculator& calculator) {
    return releaseKey(calculator) ? Repaint::Keypad : Repaint::Nothing;
}

Repaint messageTick(Calculator& calculator) {
    return tickMessageTimer(calculator) ? Repaint::Display : Repaint::Nothing;
}

}  // namespace tabulor
