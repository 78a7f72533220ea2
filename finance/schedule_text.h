#pragma once
// The schedule as text for a spreadsheet: a header, then a line a row, plain numbers with a
// point and no grouping, the fields split by `separator` (',' for CSV, a TAB to paste as
// columns).

#include <string>
#include <string_view>

#include "finance/amortization.h"

namespace tabulor {

// "payment,interest,principal,balance", or "year,…".
std::string scheduleHeader(ScheduleGrouping grouping, char separator);

// `label` (the payment's or year's number, or a word such as "total") and the span's amounts.
std::string scheduleLine(std::string_view label, const AmortizationSpan& span, int decimals,
                         char separator);

}  // namespace tabulor
