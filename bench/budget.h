#pragma once
// The performance budgets and the check of a run against them. Each benchmark states how many
// operations one iteration makes ("ops"); the budget applies to the median time of one
// operation over the repetitions.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace tabulor::bench {

struct Budget {
    std::string_view benchmark;  // the registered name
    std::string_view what;       // as the budget is stated
    double seconds;              // per operation, median
};

const std::vector<Budget>& budgets();

// One operation's median time, as measured.
struct Measured {
    std::string benchmark;
    double secondsPerOperation = 0.0;
};

// Passes everything to the console and keeps the median of each benchmark.
class BudgetReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::vector<Measured>& medians() const { return medians_; }

  private:
    std::vector<Measured> medians_;
};

// Prints one line per budgeted benchmark that ran; false when any budget is missed.
bool reportBudgets(const std::vector<Measured>& medians);

// Sets the count of operations that one iteration of `state` makes.
inline void setOperationsPerIteration(benchmark::State& state, double operations) {
    state.counters["ops"] = operations;
}

}  // namespace tabulor::bench
