#include "finance/irr_search.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

#include "finance/flow_sum.h"

namespace tabulor {

namespace {

// A value counts as signed only when it stands this many error bounds clear of 0.
constexpr double kClearance = 4.0;

// NPV and NFV have the same sign, differing by the factor (1 + r)^T > 0; discounting for r ≥ 0
// and growing for r < 0 keeps every power of the factor at most 1, so that neither overflows.
FlowSum signedSum(std::span<const CashFlow> flows, double rate) {
    return rate >= 0.0 ? sumFlows(flows, discountFactor(rate), true)
                       : sumFlows(flows, growthFactor(rate), false);
}

int signOf(double x) {
    return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0);
}

int clearSign(const FlowSum& sum) {
    return std::fabs(sum.value) > kClearance * sum.errorBound ? signOf(sum.value) : 0;
}

// Both forms scale value and magnitude alike, so the ratio compares across them.
double relativeResidual(const FlowSum& sum) {
    return sum.magnitude > 0.0 ? std::fabs(sum.value) / sum.magnitude : 0.0;
}

// Doubles in order as whole numbers, so that halving the count between two halves the doubles
// between them, whatever their scale.
std::int64_t orderKey(double x) {
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? -(bits & std::numeric_limits<std::int64_t>::max()) : bits;
}

double fromOrderKey(std::int64_t key) {
    return key < 0 ? std::bit_cast<double>((-key) | std::numeric_limits<std::int64_t>::min())
                   : std::bit_cast<double>(key);
}

struct Bracket {
    double rate;
    FlowSum sum;
};

// Between two rates where NPV has opposite signs: bisects the doubles between them until the
// two are adjacent (at most 64 halvings) and gives the one nearer a zero NPV.
double refineRoot(std::span<const CashFlow> flows, Bracket low, Bracket high) {
    const int lowSign = signOf(low.sum.value);
    for (;;) {
        // 0 first where the two lie either side of it: a series whose flows add up to exactly 0
        // has its root there, which the halving would only approach.
        const std::int64_t lowKey = orderKey(low.rate);
        const std::int64_t highKey = orderKey(high.rate);
        const std::int64_t middleKey =
            lowKey < 0 && highKey > 0 ? 0 : std::midpoint(lowKey, highKey);
        if (middleKey == lowKey || middleKey == highKey) break;
        const double middle = fromOrderKey(middleKey);
        const FlowSum sum = signedSum(flows, middle);
        if (sum.value == 0.0) return middle;
        (signOf(sum.value) == lowSign ? low : high) = {middle, sum};
    }
    return relativeResidual(low.sum) <= relativeResidual(high.sum) ? low.rate : high.rate;
}

// The rates the scan looks at, ascending, by ln(1 + r): coarse from 1 + r = e^-36 to 0.01,
// fine (0.2 % of 1 + r) up to r = 100 %, then 1 % to the top.
template <typename Visit>
void forEachScanRate(Visit visit) {
    constexpr double kLowest = -36.0;
    const double coarseEnd = std::log(0.01);
    const double fineEnd = std::log(2.0);
    const double top = std::log1p(kIrrScanTopPercent / 100.0);
    for (int i = 0; kLowest + 0.05 * i < coarseEnd; ++i)
        visit(std::expm1(kLowest + 0.05 * i));
    for (auto i = static_cast<int>(std::ceil(coarseEnd / 0.002)); 0.002 * i < fineEnd; ++i)
        visit(std::expm1(0.002 * i));
    for (int i = 0; fineEnd + 0.01 * i < top; ++i)
        visit(std::expm1(fineEnd + 0.01 * i));
    visit(kIrrScanTopPercent / 100.0);
}

std::vector<double> scanForRoots(std::span<const CashFlow> flows) {
    std::vector<double> roots;
    std::optional<Bracket> lastClear;
    forEachScanRate([&](double rate) {
        const FlowSum sum = signedSum(flows, rate);
        const int sign = clearSign(sum);
        if (sign == 0) return;
        if (lastClear && sign != signOf(lastClear->sum.value)) {
            roots.push_back(refineRoot(flows, *lastClear, {rate, sum}));
        }
        lastClear = Bracket{rate, sum};
    });
    return roots;
}

// With one sign change, NPV keeps the sign of the first flow for the largest rates and takes
// that of the last near -100 %.
std::optional<double> uniqueRoot(std::span<const CashFlow> flows) {
    const double lowest = std::nextafter(-1.0, 0.0);
    const double highest = std::numeric_limits<double>::max();
    const Bracket low{lowest, signedSum(flows, lowest)};
    const Bracket high{highest, signedSum(flows, highest)};
    const int lowSign = clearSign(low.sum);
    const int highSign = clearSign(high.sum);
    if (lowSign == 0 || highSign == 0 || lowSign == highSign) return std::nullopt;
    return refineRoot(flows, low, high);
}

int countSignChanges(std::span<const CashFlow> flows) {
    int changes = 0;
    int last = 0;
    for (const CashFlow& flow : flows) {
        const int sign = signOf(flow.amount);
        if (sign == 0) continue;
        if (last != 0 && sign != last) ++changes;
        last = sign;
    }
    return changes;
}

// Zero flows at either end only move NPV by a positive factor; without them the first and last
// flows dominate NPV at the ends of the range, where it must be told apart from 0.
std::span<const CashFlow> withoutZeroEnds(std::span<const CashFlow> flows) {
    while (!flows.empty() && flows.front().amount == 0.0)
        flows = flows.subspan(1);
    while (!flows.empty() && flows.back().amount == 0.0)
        flows = flows.first(flows.size() - 1);
    return flows;
}

}  // namespace

IrrResult internalRates(std::span<const CashFlow> flows) {
    IrrResult result;
    if (!std::isfinite(sumFlows(flows, growthFactor(0.0), false).magnitude)) {
        result.refusal = "the flows add up past the largest number";
        return result;
    }
    result.signChanges = countSignChanges(flows);
    if (result.signChanges == 0) return result;
    const std::span<const CashFlow> trimmed = withoutZeroEnds(flows);
    std::vector<double> roots;
    if (result.signChanges == 1) {
        const std::optional<double> root = uniqueRoot(trimmed);
        result.kind = root ? IrrKind::Unique : IrrKind::OutOfReach;
        if (root) roots.push_back(*root);
    } else {
        result.kind = IrrKind::Scanned;
        roots = scanForRoots(trimmed);
    }
    for (const double root : roots) {
        const double percent = root * 100.0 + 0.0;
        if (std::isfinite(percent)) result.rootsPercent.push_back(percent);
    }
    if (result.kind == IrrKind::Unique && result.rootsPercent.empty()) {
        result.kind = IrrKind::OutOfReach;
    }
    return result;
}

std::optional<double> reportedRate(const IrrResult& result) {
    std::optional<double> nearest;
    for (const double root : result.rootsPercent) {
        if (!nearest || std::fabs(root) < std::fabs(*nearest)) nearest = root;
    }
    return nearest;
}

}  // namespace tabulor
