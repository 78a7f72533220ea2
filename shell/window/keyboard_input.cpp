#include "shell/window/keyboard_input.h"

#include "shell/window/key_map.h"

namespace tabulor {

std::optional<KeyCode> faceplateKeyFor(const QKeyEvent& event) {
    const auto modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (modifiers != Qt::NoModifier) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return keyForNamedKey(NamedKey::Enter);
        case Qt::Key_Backspace:
            return keyForNamedKey(NamedKey::Backspace);
        case Qt::Key_Escape:
            return keyForNamedKey(NamedKey::Escape);
        case Qt::Key_F9:
            return keyForNamedKey(NamedKey::F9);
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    return keyForCharacter(text.at(0).unicode());
}

void KeyboardHold::hold(const QKeyEvent& event) {
    key_ = event.key();
    scanCode_ = event.nativeScanCode();
}

bool KeyboardHold::releasedBy(const QKeyEvent& event) {
    if (event.isAutoRepeat() || !key_) return false;
    // Shift may come up before the key it modified, which then reports another key code; the
    // scan code still names the physical key.
    const bool same =
        (scanCode_ != 0 && event.nativeScanCode() == scanCode_) || event.key() == *key_;
    if (same) key_.reset();
    return same;
}

bool KeyboardHold::drop() {
    const bool held = key_.has_value();
    key_.reset();
    return held;
}

}  // namespace tabulor
