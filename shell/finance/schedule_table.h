#pragma once
// What the window's amortization shows, free of Qt: the payments it reaches (the first
// kMostPaymentsShown of N, so that a table is built in milliseconds and scrolls), the schedule
// of those as rows with their total, and the table as text for a spreadsheet.

#include <cstdint>
#include <string>
#include <vector>

#include "finance/amortization.h"

namespace tabulor {

inline constexpr std::int64_t kMostPaymentsShown = 100'000;

// The terms with N cut to the payments the window reaches; `payments` is the whole N. A refusal
// of the terms themselves (N not whole, P/YR 0, PMT 0, overflow at once) leaves them unreached.
struct ReachedTerms {
    AmortizationTerms terms;
    std::int64_t payments = 0;
    std::int64_t reached = 0;
    std::string refusal;
};

ReachedTerms reachTerms(const AmortizationTerms& terms);

// Whether the amounts amortization reads (N, I/YR, PV, PMT, P/YR, the timing, the decimals) are
// the same to the bit, so that a table built from one serves the other.
bool sameTerms(const AmortizationTerms& a, const AmortizationTerms& b);

struct ScheduleTable {
    ScheduleGrouping grouping = ScheduleGrouping::ByPayment;
    int decimals = 2;
    std::vector<ScheduleRow> rows;
    AmortizationSpan total;  // of the rows
    std::string refusal;     // empty when built, otherwise there are no rows
};

ScheduleTable buildScheduleTable(const ReachedTerms& reached, ScheduleGrouping grouping);

// The header, a line a row and a "total" line; each line ends in a newline.
std::string scheduleTableText(const ScheduleTable& table, char separator);

}  // namespace tabulor
