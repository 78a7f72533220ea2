#include "finance/schedule_text.h"

#include "finance/shown_amount.h"

namespace tabulor {

std::string scheduleHeader(ScheduleGrouping grouping, char separator) {
    std::string header = grouping == ScheduleGrouping::ByYear ? "year" : "payment";
    for (const char* name : {"interest", "principal", "balance"}) {
        header += separator;
        header += name;
    }
    return header;
}

std::string scheduleLine(std::string_view label, const AmortizationSpan& span, int decimals,
                         char separator) {
    std::string line(label);
    for (const double amount : {span.interest, span.principal, span.balance}) {
        line += separator;
        line += textOf(amountText(amount, decimals));
    }
    return line;
}

}  // namespace tabulor
