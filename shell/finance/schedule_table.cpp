#include "shell/finance/schedule_table.h"

#include <algorithm>
#include <array>
#include <bit>

#include "finance/schedule_text.h"

namespace tabulor {

ReachedTerms reachTerms(const AmortizationTerms& terms) {
    ReachedTerms reached;
    reached.terms = terms;
    // The first payment alone finds a refusal of the terms without walking the rest.
    reached.refusal = amortizeRange(terms, 1, 1).refusal;
    if (!reached.refusal.empty()) return reached;
    reached.payments = static_cast<std::int64_t>(terms.tvm.n);
    reached.reached = std::min(reached.payments, kMostPaymentsShown);
    reached.terms.tvm.n = static_cast<double>(reached.reached);
    return reached;
}

bool sameTerms(const AmortizationTerms& a, const AmortizationTerms& b) {
    constexpr std::array kRead{&TvmRegisters::n, &TvmRegisters::interestPerYear,
                               &TvmRegisters::presentValue, &TvmRegisters::payment,
                               &TvmRegisters::paymentsPerYear};
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    return a.beginMode == b.beginMode && a.decimals == b.decimals &&
           std::ranges::all_of(
               kRead, [&](auto field) { return bits(a.tvm.*field) == bits(b.tvm.*field); });
}

ScheduleTable buildScheduleTable(const ReachedTerms& reached, ScheduleGrouping grouping) {
    ScheduleTable table;
    table.grouping = grouping;
    table.decimals = reached.terms.decimals;
    table.refusal = reached.refusal;
    if (!table.refusal.empty()) return table;
    table.refusal = streamSchedule(reached.terms, grouping, [&table](const ScheduleRow& row) {
        table.rows.push_back(row);
        return true;
    });
    if (table.refusal.empty()) {
        const AmortizedRange total = amortizeRange(reached.terms, 1, reached.reached);
        table.total = total.span;
        table.refusal = total.refusal;
    }
    if (!table.refusal.empty()) table.rows.clear();
    return table;
}

std::string scheduleTableText(const ScheduleTable& table, char separator) {
    std::string text = scheduleHeader(table.grouping, separator) + '\n';
    for (const ScheduleRow& row : table.rows)
        text +=
            scheduleLine(std::to_string(row.number), row.span, table.decimals, separator) + '\n';
    return text + scheduleLine("total", table.total, table.decimals, separator) + '\n';
}

}  // namespace tabulor
