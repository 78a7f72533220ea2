#pragma once
// The internal rate of return of a cash-flow list: the rates per period at which NPV is 0.
// Only a sign change of NPV that stands clear of its rounding error counts as a root, so that
// none is ever a root of rounding noise; a rate where NPV touches 0 without changing sign is
// not one.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "finance/cash_flows.h"

namespace tabulor {

// The top of the scan for a series that changes sign more than once, in percent per period.
inline constexpr double kIrrScanTopPercent = 10000.0;

enum class IrrKind {
    Unique,        // the flows change sign once: exactly one root above -100 %, found
    Scanned,       // more than once: the roots the scan of (-100 %, 10,000 %] found, maybe none
    NoSignChange,  // all of one sign, or all 0: there is no root
    OutOfReach,    // once, but the root lies past the largest double or within rounding of -100 %
};

struct IrrResult {
    IrrKind kind = IrrKind::NoSignChange;
    int signChanges = 0;
    std::vector<double> rootsPercent;  // per period, ascending, each to the last few bits
    std::string refusal;               // empty unless the flows cannot be summed at all
};

IrrResult internalRates(std::span<const CashFlow> flows);

// The root nearest 0, which is the IRR reported; nothing where no root was found.
std::optional<double> reportedRate(const IrrResult& result);

}  // namespace tabulor
