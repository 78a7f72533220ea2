// The rate search at its worst. The search is bounded to 201 residual evaluations (one first
// guess, 100 bracketing tries, 100 false-position tries); the first benchmark times exactly
// that many on a mortgage. The second times a whole solve on registers that run the first
// search to failure and then the engine's second search (a doubling scan) to its end.

#include <benchmark/benchmark.h>

#include "bench/budget.h"
#include "engine/tvm_solvers.h"

namespace tabulor::bench {
namespace {

constexpr int kBoundedEvaluations = 201;

void twoHundredOneResiduals(benchmark::State& state) {
    const TvmRegisters mortgage{.n = 360, .presentValue = 100000, .payment = -599.55};
    for (auto _ : state) {
        double x = 0.01;
        double sum = 0.0;
        for (int k = 0; k < kBoundedEvaluations; ++k) {
            sum += tvmResidual(mortgage, false, x);
            x += 0.0005;
        }
        benchmark::DoNotOptimize(sum);
    }
    setOperationsPerIteration(state, 1);
}

// The longest solve found by a random search over register sets, with nine decimals (the
// tightest tolerance): the first search spends 194 of its 201 evaluations and fails, then the
// engine's doubling scan spends all 41 of its own and fails too, 235 evaluations in all; the
// answer is the failure value. A solve can never take more than 201 + 41 + 200 evaluations.
void worstCaseSolve(benchmark::State& state) {
    const TvmRegisters registers{
        .n = 1,
        .presentValue = 0.21518951416383136,
        .payment = 17771299624799.64,
        .futureValue = -32815454239939.664,
        .paymentsPerYear = 2,
    };
    ErrorCode error = ErrorCode::None;
    if (solveInterest(registers, false, 9, error) != -1.0) {
        state.SkipWithError("the registers no longer run both searches to failure");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveInterest(registers, false, 9, error));
    }
    setOperationsPerIteration(state, 1);
}

BENCHMARK(twoHundredOneResiduals)->Name("RateSearch/TwoHundredOneResiduals");
BENCHMARK(worstCaseSolve)->Name("RateSearch/WorstCaseSolve");

}  // namespace
}  // namespace tabulor::bench
