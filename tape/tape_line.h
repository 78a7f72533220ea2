#pragma once
// One line of the tape: what one step keyed, the key that made it, and the display after it.

#include <optional>
#include <string>

#include "display/display.h"

namespace tabulor {

struct TapeLine {
    std::string keyed;  // the entry when the step began, without the cursor; empty for none
    std::string key;    // the legends, "STO+ 3" for a completed prefix
    std::string shown;  // the display line after the step, as tabulor-cli prints it
    std::optional<MessageKind> message;  // the timed message shown after the step
    bool solved = false;                 // a TVM key solved (or failed to solve) rather than stored

    friend bool operator==(const TapeLine&, const TapeLine&) = default;
};

}  // namespace tabulor
