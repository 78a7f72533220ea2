#pragma once
// The cash-flow series summed by Horner's scheme a block of equal flows at a time, with what
// rounding may have done to it. A block of n flows c takes the running sum s to
// s·zⁿ + c·(1 + z + … + zⁿ⁻¹), the geometric part from expm1 and log1p, so that a series of
// ten million periods in ten thousand blocks costs ten thousand steps, each as exact as the
// n single steps it replaces.

#include <span>

#include "finance/cash_flows.h"

namespace tabulor {

// The factor z one period applies, held as z, ln z and z − 1, each computed from r directly.
struct PeriodFactor {
    double z = 1.0;
    double logZ = 0.0;
    double zMinusOne = 0.0;
};

// z = 1 / (1 + r), from the last flow back to CF0: the sum is NPV.
PeriodFactor discountFactor(double rate);
// z = 1 + r, from CF0 forward to the last flow: the sum is NFV.
PeriodFactor growthFactor(double rate);

struct FlowSum {
    double value = 0.0;
    double magnitude = 0.0;   // the same sum over the flows' absolute values
    double errorBound = 0.0;  // how far rounding may have moved `value`, at most
};

// Over the blocks in order, or from the last block back when `backward`. Not finite where the
// sum overflows.
FlowSum sumFlows(std::span<const CashFlow> flows, const PeriodFactor& factor, bool backward);

}  // namespace tabulor
