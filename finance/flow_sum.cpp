#include "finance/flow_sum.h"

#include <cmath>
#include <limits>

namespace tabulor {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Below this, e^x is less than half the least subnormal and rounds to 0.
constexpr double kPowerUnderflows = -745.2;

struct Running {
    FlowSum sum;

    // One block: zⁿ and the geometric sum each carry a relative error of a few units of the
    // last place, and more for a large |n ln z|, since the error of that product is amplified
    // by exp; the bound adds them up with the roundings of the step itself.
    void add(const CashFlow& flow, const PeriodFactor& factor) {
        const auto n = static_cast<double>(flow.count);
        double power = factor.z;
        double geometric = 1.0;
        double exponent = std::fabs(factor.logZ);
        if (flow.count != 1) {
            const double x = n * factor.logZ;
            exponent = std::fabs(x);
            if (factor.zMinusOne == 0.0) {
                power = 1.0;
                geometric = n;
            } else {
                // One of the two from the other, where that costs less than a unit of the last
                // place: zⁿ − 1 cancels at most by a factor of 2.6 for |x| ≥ 0.5.
                double minusOne = 0.0;
                if (x < kPowerUnderflows) {
                    // Exactly so; the library's exp takes a slow path to say it.
                    power = 0.0;
                    minusOne = -1.0;
                    exponent = 0.0;
                } else if (std::fabs(x) < 0.5) {
                    minusOne = std::expm1(x);
                    power = 1.0 + minusOne;
                } else {
                    power = std::exp(x);
                    minusOne = power - 1.0;
                }
                geometric = minusOne / factor.zMinusOne;
            }
        }
        const double magnitude = std::fabs(flow.amount) * geometric;
        const double carried = std::fabs(sum.value) * power;
        sum.value = sum.value * power + flow.amount * geometric;
        sum.errorBound = sum.errorBound * power + kEpsilon * ((2.0 * exponent + 4.0) * carried +
                                                              (2.0 * exponent + 12.0) * magnitude +
                                                              2.0 * std::fabs(sum.value));
        sum.magnitude = sum.magnitude * power + magnitude;
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
