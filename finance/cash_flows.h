#pragma once
// A list of cash flows, an initial flow CF0 at time 0 and then flows CFj each repeated Nj times,
// one a period, with its net present and net future value at a rate per period. CF0 is not
// discounted (the handheld convention; a spreadsheet's NPV discounts its first flow by a period).

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace tabulor {

struct CashFlow {
    double amount = 0.0;
    std::int64_t count = 1;  // at least 1; the first flow, CF0, counts once
};

// The first flow is CF0. A list read or built by hand holds at least that one.
using CashFlowList = std::vector<CashFlow>;

// Past this the periods could no longer all be counted in a double.
inline constexpr std::int64_t kMostPeriods = std::int64_t{1} << 53;

// T, the last period: the counts after CF0 added up.
std::int64_t lastPeriod(std::span<const CashFlow> flows);

// What a rate per period in percent may be: finite and above -100.
inline bool isFlowRate(double percent) {
    return percent > -100.0 && percent < std::numeric_limits<double>::infinity();
}

struct FlowValue {
    double value = 0.0;
    std::string refusal;  // empty when the value was worked out
};

// At `ratePercent` per period, above -100: Σ CFt ÷ (1 + r)^t over the expanded series, summed
// by Horner's scheme from the last flow. Refused when the value (or a partial sum) overflows.
FlowValue netPresentValue(std::span<const CashFlow> flows, double ratePercent);

// NPV × (1 + r)^T, summed by Horner's scheme from CF0 so that it never passes through NPV.
FlowValue netFutureValue(std::span<const CashFlow> flows, double ratePercent);

}  // namespace tabulor
