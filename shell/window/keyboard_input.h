#pragma once
// The keyboard as a second way to press the keys: which faceplate key a key event presses, and
// the one keyboard key holding it down, matched again on its release.

#include <QKeyEvent>
#include <optional>

#include "engine/key_table.h"

namespace tabulor {

// The faceplate key an unmodified key event presses, if any.
std::optional<KeyCode> faceplateKeyFor(const QKeyEvent& event);

class KeyboardHold {
  public:
    bool holding() const { return key_.has_value(); }
    void hold(const QKeyEvent& event);
    // Whether `event` releases the held key; the hold ends when it does.
    bool releasedBy(const QKeyEvent& event);
    // Ends the hold; true when there was one.
    bool drop();

  private:
    std::optional<int> key_;
    quint32 scanCode_ = 0;
};

}  // namespace tabulor
