#pragma once
// A started calculator with nothing but the engine: a clock that moves only when told to, a fixed
// power status and no window. What the engine's tests, the soak and the fuzzer drive.

#include <cstdint>

#include "engine/calculator.h"
#include "platform/simulated_services.h"

namespace tabulor::testing {

// Past a message's 2000 ms and the timer's 500 ms period, as the command line's WAIT.
inline constexpr std::uint32_t kPastMessageMilliseconds = 2501;

struct TestCalculator {
    explicit TestCalculator(PowerStatus battery) : power(battery) {
        started = initialize(calculator);
    }
    ~TestCalculator() { destroy(calculator); }
    TestCalculator(const TestCalculator&) = delete;
    TestCalculator& operator=(const TestCalculator&) = delete;

    SimulatedClock clock;
    FixedPower power;
    Calculator calculator{CalculatorServices{&clock, &power}};
    bool started = false;
};

// Lets a shown message expire, as WAIT does.
inline void waitPastMessage(TestCalculator& test) {
    test.clock.advance(kPastMessageMilliseconds);
    tickMessageTimer(test.calculator);
}

}  // namespace tabulor::testing
