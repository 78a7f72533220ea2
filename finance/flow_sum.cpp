#include "finance/flow_sum.h"

#include <cmath>
#include <limits>

namespace tabulor {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Below this, e^x is less than half the least subnormal and rounds to 0.
constexpr double kPowerUnderflows = -745.2;

// What a block of n periods applies: zⁿ, zⁿ − 1, the geometric sum 1 + z + … + zⁿ⁻¹, and
// |n ln z|, by which exp amplifies the error of ln z.
struct BlockFactor {
    double power = 1.0;
    double minusOne = 0.0;
    double geometric = 1.0;
    double exponent = 0.0;
    bool nearOne = true;  // |n ln z| < 0.5
};

// One of zⁿ and zⁿ − 1 from the other, where that costs less than a unit of the last place:
// zⁿ − 1 cancels at most by a factor of 2.6 for |x| ≥ 0.5.
BlockFactor blockFactor(std::int64_t count, const PeriodFactor& factor) {
    if (count == 1) {
        const double exponent = std::fabs(factor.logZ);
        return {factor.z, factor.zMinusOne, 1.0, exponent, exponent < 0.5};
    }
    const auto n = static_cast<double>(count);
    if (factor.zMinusOne == 0.0) return {1.0, 0.0, n, 0.0, true};
    const double x = n * factor.logZ;
    // Exactly so; the library's exp takes a slow path to say it.
    if (x < kPowerUnderflows) return {0.0, -1.0, -1.0 / factor.zMinusOne, 0.0, false};
    if (std::fabs(x) < 0.5) {
        const double minusOne = std::expm1(x);
        return {1.0 + minusOne, minusOne, minusOne / factor.zMinusOne, std::fabs(x), true};
    }
    const double power = std::exp(x);
    return {power, power - 1.0, (power - 1.0) / factor.zMinusOne, std::fabs(x), false};
}

struct Running {
    FlowSum sum;

    // zⁿ and the geometric sum each carry a relative error of a few units of the last place,
    // and 2|n ln z| more; the bound adds them up with the roundings of the step itself.
    void add(const CashFlow& flow, const PeriodFactor& factor) {
        const BlockFactor block = blockFactor(flow.count, factor);
        const double magnitude = std::fabs(flow.amount) * block.geometric;
        const double carried = std::fabs(sum.value) * block.power;
        // Near zⁿ = 1, the sum so far plus the block, then what zⁿ − 1 takes from the sum so
        // far: where the first two cancel exactly, as at a root near 0 %, the last still counts.
        sum.value = block.nearOne
                        ? (sum.value + flow.amount * block.geometric) + sum.value * block.minusOne
                        : sum.value * block.power + flow.amount * block.geometric;
        sum.errorBound =
            sum.errorBound * block.power +
            kEpsilon * ((2.0 * block.exponent + 4.0) * carried +
                        (2.0 * block.exponent + 12.0) * magnitude + 2.0 * std::fabs(sum.value));
        sum.magnitude = sum.magnitude * block.power + magnitude;
    }
};

}  // namespace

PeriodFactor discountFactor(double rate) {
    return {1.0 / (1.0 + rate), -std::log1p(rate), -rate / (1.0 + rate)};
}

PeriodFactor growthFactor(double rate) {
    return {1.0 + rate, std::log1p(rate), rate};
}

FlowSum sumFlows(std::span<const CashFlow> flows, const PeriodFactor& factor, bool backward) {
    Running running;
    if (backward) {
        for (auto flow = flows.rbegin(); flow != flows.rend(); ++flow)
            running.add(*flow, factor);
    } else {
        for (const CashFlow& flow : flows)
            running.add(flow, factor);
    }
    return running.sum;
}

}  // namespace tabulor
