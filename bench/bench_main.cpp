// Runs the benchmarks five times each and judges the medians against the budgets. The exit
// status is 1 when a budget is missed. Google Benchmark's own flags may follow and override.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench/budget.h"

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1, {repetitions, aggregatesOnly});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 2;

    tabulor::bench::BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return tabulor::bench::reportBudgets(reporter.medians()) ? 0 : 1;
}
