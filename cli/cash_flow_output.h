#pragma once
// What --cash-flows prints in place of the display line: a line for each result asked for, in
// the display's format, or one JSON object with a key for each.

#include <string>
#include <vector>

#include "cli/options.h"
#include "engine/calculator_reading.h"
#include "finance/cash_flows.h"

namespace tabulor {

struct CashFlowResults {
    std::vector<std::string> lines;  // without their newlines
    std::string refusal;             // empty when every result was worked out
};

// Everything is worked out before anything is printed, so that a refusal prints nothing. The
// calculator must have its Display; its P/YR turns the IRR into a rate per year.
CashFlowResults cashFlowResults(const CashFlowList& flows, const CalculatorReading& reading,
                                const CliOptions& options);

}  // namespace tabulor
