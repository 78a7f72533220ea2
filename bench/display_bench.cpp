// showNumber over values that take each branch of the notation choice and of the printing.

#include <benchmark/benchmark.h>

#include <array>
#include <limits>

#include "bench/budget.h"
#include "display/display.h"
#include "platform/simulated_services.h"

namespace tabulor::bench {
namespace {

// Fixed, fixed with the decimals widened, both scientific branches, the 12-digit limit,
// overflow and zero, with two decimals shown.
constexpr std::array kValues = {
    0.0,  1234567.891, -0.5,  0.004,           1.2e-11, 9.9e-12,
    1e12, -1e100,      1e300, 123456789012.34, 2.0 / 3, std::numeric_limits<double>::infinity(),
};

void acrossNotations(benchmark::State& state) {
    SimulatedClock clock;
    Display display(clock);
    for (auto _ : state) {
        for (const double value : kValues)
            showNumber(display, value);
        benchmark::DoNotOptimize(display.cells);
    }
    setOperationsPerIteration(state, static_cast<double>(kValues.size()));
}

BENCHMARK(acrossNotations)->Name("ShowNumber/AcrossNotations");

}  // namespace
}  // namespace tabulor::bench
