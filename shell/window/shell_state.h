#pragma once
// The window's own rules, kept apart from Qt: full-screen switching, what a pen-down, a pen-up
// and a timer tick do to the calculator, and which region each asks to repaint.

#include <cstdint>

#include "engine/calculator.h"
#include "faceplate/geometry.h"

namespace tabulor {

inline constexpr Rect kClientRect = faceplate::kFaceRect;
inline constexpr int kMessageTimerMilliseconds = 500;

enum class Repaint { Nothing, Window, Keypad, Display };

// The mode without the menu strip is full-screen mode; the application starts in it.
struct ShellState {
    bool fullScreen = true;
};

struct PenDownResult {
    bool keyHit = false;
    Repaint repaint = Repaint::Nothing;
};

// The region a repaint request stands for; empty for Nothing.
Rect repaintRect(Repaint repaint);

void toggleFullScreen(ShellState& state);

// Outside the keypad a pen-down only toggles full-screen mode. Inside it the key under the pen
// is pressed, a hit returns to full-screen mode, and the whole window is repainted either way.
PenDownResult penDown(ShellState& state, Calculator& calculator, std::int32_t x, std::int32_t y);

// A key typed on the keyboard acts as a pen hit on its cell: pressed, held, full-screen mode on,
// the whole window repainted.
Repaint keyDown(ShellState& state, Calculator& calculator, KeyCode code);

// Releases the held key; the keypad is repainted only when one was held.
Repaint penUp(Calculator& calculator);

// One period of the message timer: a timed message ends unless a key is held.
Repaint messageTick(Calculator& calculator);

}  // namespace tabulor
