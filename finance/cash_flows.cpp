#include "finance/cash_flows.h"

#include <cmath>

#include "finance/flow_sum.h"

namespace tabulor {

namespace {

constexpr const char* kRateRefusal = "the rate must be a number above -100 %";

FlowValue finiteOrRefused(double value, const char* what) {
    if (std::isfinite(value)) return {value + 0.0, {}};
    return {0.0, std::string(what) + " overflows at this rate"};
}

}  // namespace

std::int64_t lastPeriod(std::span<const CashFlow> flows) {
    std::int64_t periods = 0;
    for (std::size_t j = 1; j < flows.size(); ++j)
        periods += flows[j].count;
    return periods;
}

FlowValue netPresentValue(std::span<const CashFlow> flows, double ratePercent) {
    if (!isFlowRate(ratePercent)) return {0.0, kRateRefusal};
    const FlowSum sum = sumFlows(flows, discountFactor(ratePercent / 100.0), true);
    return finiteOrRefused(sum.value, "NPV");
}

FlowValue netFutureValue(std::span<const CashFlow> flows, double ratePercent) {
    if (!isFlowRate(ratePercent)) return {0.0, kRateRefusal};
    const FlowSum sum = sumFlows(flows, growthFactor(ratePercent / 100.0), false);
    return finiteOrRefused(sum.value, "NFV");
}

}  // namespace tabulor
