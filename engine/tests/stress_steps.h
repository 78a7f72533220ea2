#pragma once
// One byte, one thing the window could do to the calculator: a tap on one of the 30 keys, the
// 500 ms timer, a WAIT past any message, the Reset command, or the tick count jumping close to
// its wrap. The soak feeds random bytes through it and the fuzzer feeds its input, so both drive
// the engine the same way and a byte string found by one replays in the other.

#include <cstdint>
#include <string>

#include "engine/tests/test_calculator.h"

namespace tabulor::stress {

inline constexpr int kTapBytes = 8 * kKeyCount;  // 0..239: key byte % 30, all keys alike
inline constexpr std::uint8_t kFirstWaitByte = 240;
inline constexpr std::uint8_t kFirstTimerByte = 248;
inline constexpr std::uint8_t kResetByte = 254;
inline constexpr std::uint8_t kClockJumpByte = 255;

inline constexpr std::uint32_t kTimerMilliseconds = 500;
// Lands a message shown next just before the 32-bit tick count wraps.
inline constexpr std::uint32_t kNearWrap = 0xFFFFF800u;

inline void applyStep(testing::TestCalculator& test, std::uint8_t byte) {
    if (byte < kTapBytes) {
        tapKey(test.calculator, static_cast<KeyCode>(byte % kKeyCount));
    } else if (byte < kFirstTimerByte) {
        testing::waitPastMessage(test);
    } else if (byte < kResetByte) {
        test.clock.advance(kTimerMilliseconds);
        tickMessageTimer(test.calculator);
    } else if (byte == kResetByte) {
        reset(test.calculator);
    } else {
        test.clock.set(kNearWrap);
    }
}

// The step as a token of tabulor-cli where there is one, for reports that replay by hand.
inline std::string describeStep(std::uint8_t byte) {
    if (byte < kTapBytes) return "key " + std::to_string(byte % kKeyCount);
    if (byte < kFirstTimerByte) return "WAIT";
    if (byte < kResetByte) return "tick";
    if (byte == kResetByte) return "reset";
    return "clock-near-wrap";
}

}  // namespace tabulor::stress
