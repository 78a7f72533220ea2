// Timed texts on the cells and their expiry.
#include "display/cell_access.h"
#include "display/display.h"

namespace tabulor {

void showMessage(Display& display, std::u16string_view text, MessageKind kind) {
    writeGlyphText(display, text);
    display.messageActive = true;
    display.messageKind = kind;
    display.messageTime = display.clock->now();
}

bool expireMessage(Display& display) {
    if (!display.messageActive) return false;
    // Elapsed time in wrapping 32-bit arithmetic: a message shown just before the tick count
    // wraps to 0 still lasts its full 2000 ms.
    const std::uint32_t elapsed = display.clock->now() - display.messageTime;
    if (elapsed <= kMessageMilliseconds) return false;
    showNumber(display, display.value);
    display.messageActive = false;
    return true;
}

}  // namespace tabulor
