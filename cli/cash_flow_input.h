#pragma once
// The cash-flow file that --cash-flows names, read whole and parsed before anything runs, so
// that nothing is printed for a file that does not read.

#include <iosfwd>
#include <string>

#include "finance/cash_flows.h"

namespace tabulor {

// More than this is no list of flows a user wrote.
inline constexpr std::size_t kMaxCashFlowBytes = std::size_t{64} << 20;

struct CashFlowInput {
    CashFlowList flows;
    std::string error;  // empty when read, else the message: "flows.csv: line 4: ..."
};

// `path` "-" reads `in`.
CashFlowInput readCashFlowInput(const std::string& path, std::istream& in);

}  // namespace tabulor
