// Ten thousand cash flows with counts of 1,000, ten million periods: NPV at a rate,
// and the IRR, both of an investment (one sign change, the bracketed search) and of flows of
// either sign (several sign changes, the scan of -100 % to 10,000 %).

#include <benchmark/benchmark.h>

#include <random>

#include "bench/budget.h"
#include "finance/cash_flows.h"
#include "finance/irr_search.h"

namespace tabulor::bench {
namespace {

constexpr int kFlows = 10000;

// An outlay, then returns; with `eitherSign`, every fourth return is a payment instead.
CashFlowList tenThousandFlows(bool eitherSign) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> amount(1.0, 1000.0);
    CashFlowList flows{{-2.0e6, 1}};
    for (int j = 1; j < kFlows; ++j) {
        const double sign = eitherSign && j % 4 == 0 ? -1.0 : 1.0;
        flows.push_back({sign * amount(random), 1000});
    }
    return flows;
}

void npvTenThousandFlows(benchmark::State& state) {
    const CashFlowList flows = tenThousandFlows(false);
    for (auto _ : state) {
        const FlowValue npv = netPresentValue(flows, 0.5);
        if (!npv.refusal.empty()) {
            state.SkipWithError(npv.refusal.c_str());
            break;
        }
        benchmark::DoNotOptimize(npv.value);
    }
    state.counters["periods"] = static_cast<double>(lastPeriod(flows));
    setOperationsPerIteration(state, 1);
}

void irrOf(benchmark::State& state, bool eitherSign, IrrKind expected) {
    const CashFlowList flows = tenThousandFlows(eitherSign);
    for (auto _ : state) {
        const IrrResult irr = internalRates(flows);
        if (irr.kind != expected || irr.rootsPercent.empty()) {
            state.SkipWithError("the series did not give the root it was built for");
            break;
        }
        benchmark::DoNotOptimize(irr.rootsPercent.data());
    }
    setOperationsPerIteration(state, 1);
}

void irrOneSignChange(benchmark::State& state) {
    irrOf(state, false, IrrKind::Unique);
}

void irrSeveralSignChanges(benchmark::State& state) {
    irrOf(state, true, IrrKind::Scanned);
}

BENCHMARK(npvTenThousandFlows)->Name("CashFlows/NpvTenThousandFlows");
BENCHMARK(irrOneSignChange)->Name("CashFlows/IrrOneSignChange")->Unit(benchmark::kMillisecond);
BENCHMARK(irrSeveralSignChanges)
    ->Name("CashFlows/IrrSeveralSignChanges")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabulor::bench
