// A 30-year mortgage's whole schedule, 360 payments, each rounded as the display rounds it, as
// the window's table and tabulor-cli --schedule make it.

#include <benchmark/benchmark.h>

#include "bench/bench_session.h"
#include "bench/budget.h"
#include "finance/amortization.h"

namespace tabulor::bench {
namespace {

void mortgageSchedule(benchmark::State& state) {
    BenchSession session;
    session.run("360 N 6 I/YR 100000 PV 0 FV PMT");
    const AmortizationTerms terms = amortizationTerms(session.calculator());
    for (auto _ : state) {
        double balance = 0.0;
        const std::string refusal =
            streamSchedule(terms, ScheduleGrouping::ByPayment, [&balance](const ScheduleRow& row) {
                balance = row.span.balance;
                return true;
            });
        if (!refusal.empty()) {
            state.SkipWithError(refusal.c_str());
            break;
        }
        benchmark::DoNotOptimize(balance);
    }
    setOperationsPerIteration(state, 1);
}

BENCHMARK(mortgageSchedule)->Name("Amortization/MortgageSchedule360");

}  // namespace
}  // namespace tabulor::bench
