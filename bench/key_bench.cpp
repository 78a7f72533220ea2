// pressKey as the window calls it (press, then release), per key, in loops that bring the
// calculator back to the same state so that every iteration does the same work.

#include <benchmark/benchmark.h>

#include <string_view>

#include "bench/bench_session.h"
#include "bench/budget.h"

namespace tabulor::bench {
namespace {

void tapCycle(benchmark::State& state, std::string_view setup, std::string_view cycle) {
    BenchSession session;
    session.run(setup);
    const std::vector<KeyCode> taps = tapsOf(cycle);
    Calculator& calculator = session.calculator();
    for (auto _ : state) {
        for (const KeyCode code : taps)
            tapKey(calculator, code);
        benchmark::DoNotOptimize(calculator.display->value);
    }
    setOperationsPerIteration(state, static_cast<double>(taps.size()));
}

// Twelve digits, then C for the next number.
void digitEntry(benchmark::State& state) {
    tapCycle(state, "", "123456789012 C");
}

// = with nothing waiting shows the result again, so each press does the same.
void equals(benchmark::State& state) {
    tapCycle(state, "1 / 3 =", "=");
}

void parenthesisedChain(benchmark::State& state) {
    tapCycle(state, "", "2 * ( 3 + 4 ) - 5 =");
}

// PMT with nothing keyed solves, and leaves no result mark, so the next press solves again.
void solvePayment(benchmark::State& state) {
    tapCycle(state, "360 N 6 I/YR 100000 PV 0 FV", "PMT");
}

// I/YR marks its result; the mark is taken off before each press so that every press solves.
void solveInterest(benchmark::State& state) {
    BenchSession session;
    session.run("360 N 100000 PV 599.55 +/- PMT 0 FV");
    Calculator& calculator = session.calculator();
    for (auto _ : state) {
        calculator.pendingOps[calculator.depth] = PendingOp::None;
        tapKey(calculator, Key::InterestPerYear);
        benchmark::DoNotOptimize(calculator.tvm.interestPerYear);
    }
    setOperationsPerIteration(state, 1);
}

BENCHMARK(digitEntry)->Name("PressKey/DigitEntry");
BENCHMARK(equals)->Name("PressKey/Equals");
BENCHMARK(parenthesisedChain)->Name("PressKey/ParenthesisedChain");
BENCHMARK(solvePayment)->Name("PressKey/SolvePayment");
BENCHMARK(solveInterest)->Name("PressKey/SolveInterest");

}  // namespace
}  // namespace tabulor::bench
