#include "display/tests/display_readout.h"

#include <gtest/gtest.h>

#include "display/display_text.h"

namespace tabulor::testing {

std::string readout(const Display& display) {
    return cellText(display);
}

void key(Display& display, std::string_view keys) {
    for (const char c : keys) {
        if (c >= '0' && c <= '9') {
            appendDigit(display, c - '0');
        } else if (c == '.') {
            enterPoint(display);
        } else if (c == 'E') {
            enterExponent(display);
        } else if (c == 's') {
            changeSign(display);
        } else if (c == '<') {
            backspace(display);
        } else {
            ADD_FAILURE() << "no key for '" << c << "' in \"" << keys << '"';
        }
    }
}

}  // namespace tabulor::testing
