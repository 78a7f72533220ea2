#pragma once
// The whole calculator checked after a key: the display's cells, marks and entry positions, the
// parenthesis levels and their operator codes, the modes, and the payments per year. Used by the
// tests, the fuzzer and the soak run, so that "never reaches a broken state" is one definition.

#include <string>
#include <vector>

#include "engine/calculator.h"

namespace tabulor {

// Every rule the state breaks, one sentence each; empty when the state is sound. Never throws on
// a broken state and never aborts: the caller decides what a violation means.
std::vector<std::string> findInvariantViolations(const Calculator& calculator);

}  // namespace tabulor
