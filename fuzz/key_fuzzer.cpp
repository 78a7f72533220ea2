// libFuzzer entry: every input byte is one step of the window's doings (a tap, a timer tick, a
// WAIT, Reset, a tick-count jump), on a fresh calculator per input, and the whole state is
// checked after each step. A broken state aborts, so libFuzzer keeps the input that made it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "engine/invariants.h"
#include "engine/tests/stress_steps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabulor;
    // Half-charged batteries: ON then reads the power source without lighting the annunciator
    // on every input; the low-battery path is a byte away through the engine's own tests.
    testing::TestCalculator test(PowerStatus{50, 50});
    if (!test.started) std::abort();
    for (std::size_t i = 0; i < size; ++i) {
        stress::applyStep(test, data[i]);
        const auto violations = findInvariantViolations(test.calculator);
        if (!violations.empty()) {
            std::fprintf(stderr, "broken state after step %zu (%s):\n", i,
                         stress::describeStep(data[i]).c_str());
            for (const auto& line : violations)
                std::fprintf(stderr, "  %s\n", line.c_str());
            std::abort();
        }
    }
    return 0;
}
