#pragma once
// A cash-flow list as CSV text, for tabulor-cli to read and the window to open and save: a line
// a flow, the amount and then, optionally, its count (1 when left out); the first line is CF0.
// Blank lines are skipped, and '#' starts a comment that runs to the end of its line.

#include <span>
#include <string>
#include <string_view>

#include "finance/cash_flows.h"

namespace tabulor {

struct CashFlowRead {
    CashFlowList flows;  // at least one when read
    std::string error;   // empty when read; else "line 4: count '2.5' is not a whole number"
};

// The whole list, or the first fault with its line; a list without a flow is a fault too.
CashFlowRead readCashFlowCsv(std::string_view text);

// A comment naming the columns, then "amount,count" a line, each amount in the fewest digits
// that read back as the same double.
std::string cashFlowCsv(std::span<const CashFlow> flows);

}  // namespace tabulor
