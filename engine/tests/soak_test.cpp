// Millions of random taps, timer ticks and WAITs through one calculator, the state checked after
// every one, and the heap measured after a warm-up and at the end: a long life must neither
// break the state nor grow the memory.

#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "engine/invariants.h"
#include "engine/tests/stress_steps.h"

#if defined(__SANITIZE_ADDRESS__)
// From the AddressSanitizer runtime; g++ ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#ifndef TABULOR_SOAK_STEPS
#define TABULOR_SOAK_STEPS 10000000
#endif

namespace tabulor {
namespace {

constexpr std::uint64_t kSteps = TABULOR_SOAK_STEPS;
constexpr std::uint64_t kWarmUpSteps = kSteps / 10;
constexpr std::uint64_t kSeed = 0x7ab01e5eedULL;
constexpr std::size_t kReplayLength = 64;
// Between steps nothing temporary is alive, so the heap in use should come back to the same
// size; the slack allows for a library's own lazily made buffers, not for growth per step.
constexpr std::size_t kHeapSlackBytes = 4096;
constexpr long kRssSlackKilobytes = 1024;

std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

long maxResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The last steps before a failure, oldest first, so that it can be replayed.
class RecentSteps {
  public:
    void add(std::uint8_t byte) { bytes_[count_++ % kReplayLength] = byte; }
    std::string describe() const {
        std::string text;
        const std::uint64_t first = count_ > kReplayLength ? count_ - kReplayLength : 0;
        for (std::uint64_t i = first; i < count_; ++i)
            text += stress::describeStep(bytes_[i % kReplayLength]) + ", ";
        return text;
    }

  private:
    std::array<std::uint8_t, kReplayLength> bytes_{};
    std::uint64_t count_ = 0;
};

TEST(Soak, RandomStepsKeepTheStateSoundAndTheMemoryFlat) {
    testing::TestCalculator test(PowerStatus{50, 50});
    ASSERT_TRUE(test.started);
    std::mt19937_64 random(kSeed);
    RecentSteps recent;

    std::size_t heapAfterWarmUp = 0;
    long rssAfterWarmUp = 0;
    for (std::uint64_t step = 0; step < kSteps; ++step) {
        // The top byte of each draw: the low bits of a Mersenne twister are the weaker ones.
        const auto byte = static_cast<std::uint8_t>(random() >> 56);
        recent.add(byte);
        stress::applyStep(test, byte);
        const std::vector<std::string> violations = findInvariantViolations(test.calculator);
        if (!violations.empty()) {
            FAIL() << "after step " << step << ": " << violations.front()
                   << "\nlast steps: " << recent.describe();
        }
        if (step + 1 == kWarmUpSteps) {
            heapAfterWarmUp = heapInUse();
            rssAfterWarmUp = maxResidentKilobytes();
        }
    }
    const std::size_t heapAtEnd = heapInUse();
    const long rssAtEnd = maxResidentKilobytes();
    RecordProperty("steps", std::to_string(kSteps));
    RecordProperty("heapBytesAfterWarmUp", std::to_string(heapAfterWarmUp));
    RecordProperty("heapBytesAtEnd", std::to_string(heapAtEnd));
    EXPECT_LE(heapAtEnd, heapAfterWarmUp + kHeapSlackBytes)
        << "heap in use grew from " << heapAfterWarmUp << " to " << heapAtEnd << " bytes";
#if !defined(__SANITIZE_ADDRESS__)
    // Under AddressSanitizer freed blocks sit in quarantine and the resident size says nothing.
    EXPECT_LE(rssAtEnd, rssAfterWarmUp + kRssSlackKilobytes)
        << "peak resident size grew from " << rssAfterWarmUp << " to " << rssAtEnd << " KiB";
#else
    (void)rssAfterWarmUp;
    (void)rssAtEnd;
#endif
}

}  // namespace
}  // namespace tabulor
