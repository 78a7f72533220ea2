#include "bench/budget.h"

#include <cstdio>

namespace tabulor::bench {

namespace {

constexpr double kMicrosecond = 1e-6;
constexpr double kMillisecond = 1e-3;

std::string formatSeconds(double seconds) {
    char text[32];
    if (seconds < kMicrosecond) {
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    } else if (seconds < kMillisecond) {
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    } else {
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    }
    return text;
}

}  // namespace

const std::vector<Budget>& budgets() {
    // showNumber has no budget of its own: it runs inside nearly every key, so it must fit in
    // a key's microsecond with room for the rest.
    static const std::vector<Budget> all = {
        {"PressKey/DigitEntry", "pressKey, median", 1.0 * kMicrosecond},
        {"PressKey/Equals", "pressKey, median", 1.0 * kMicrosecond},
        {"PressKey/ParenthesisedChain", "pressKey, median", 1.0 * kMicrosecond},
        {"PressKey/SolvePayment", "pressKey, median", 1.0 * kMicrosecond},
        {"PressKey/SolveInterest", "pressKey, median", 1.0 * kMicrosecond},
        {"ShowNumber/AcrossNotations", "inside pressKey", 1.0 * kMicrosecond},
        {"RateSearch/TwoHundredOneResiduals", "worst-case rate solve", 20.0 * kMicrosecond},
        {"RateSearch/WorstCaseSolve", "worst-case rate solve", 20.0 * kMicrosecond},
        {"Faceplate/FullPaint", "full faceplate paint", 50.0 * kMicrosecond},
        {"Cli/MortgagePaymentOneShot", "tabulor-cli one-shot", 3.0 * kMillisecond},
        {"Amortization/MortgageSchedule360", "360-payment schedule", 100.0 * kMicrosecond},
        {"Cli/MillionPaymentScheduleToDevNull", "1,000,000-payment schedule",
         1000.0 * kMillisecond},
        {"CashFlows/NpvTenThousandFlows", "NPV, 10,000 flows", 100.0 * kMillisecond},
        {"CashFlows/IrrOneSignChange", "IRR, 10,000 flows", 3000.0 * kMillisecond},
        {"CashFlows/IrrSeveralSignChanges", "IRR, 10,000 flows", 3000.0 * kMillisecond},
    };
    return all;
}

void BudgetReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
        const auto ops = run.counters.find("ops");
        const double operations = ops == run.counters.end() ? 1.0 : ops->second.value;
        const double seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        medians_.push_back({run.run_name.function_name, seconds / operations});
    }
}

bool reportBudgets(const std::vector<Measured>& medians) {
    bool allMet = true;
    std::printf("\n%-36s %12s %12s  %s\n", "benchmark (per operation)", "median", "budget",
                "verdict");
    for (const Budget& budget : budgets()) {
        for (const Measured& measured : medians) {
            if (measured.benchmark != budget.benchmark) continue;
            const bool met = measured.secondsPerOperation <= budget.seconds;
            allMet = allMet && met;
            std::printf("%-36s %12s %12s  %s (%.*s)\n", measured.benchmark.c_str(),
                        formatSeconds(measured.secondsPerOperation).c_str(),
                        formatSeconds(budget.seconds).c_str(), met ? "met" : "MISSED",
                        static_cast<int>(budget.what.size()), budget.what.data());
        }
    }
    return allMet;
}

}  // namespace tabulor::bench
