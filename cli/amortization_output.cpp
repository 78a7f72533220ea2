#include "cli/amortization_output.h"

#include "cli/json_line.h"
#include "display/shown_number.h"
#include "finance/amortization.h"
#include "finance/schedule_text.h"

namespace tabulor {

namespace {

std::string rangeLine(const AmortizationSpan& span, const CalculatorReading& reading,
                      OutputFormat format) {
    if (format == OutputFormat::Json) {
        return formatJsonLine(nlohmann::ordered_json{
            {"from", span.first},
            {"to", span.last},
            {"interest", jsonNumber(span.interest)},
            {"principal", jsonNumber(span.principal)},
            {"balance", jsonNumber(span.balance)},
        });
    }
    const DisplayReading& display = *reading.display;
    return "interest " + shownNumber(span.interest, display) + "  principal " +
           shownNumber(span.principal, display) + "  balance " + shownNumber(span.balance, display);
}

}  // namespace

std::string writeAmortization(const CalculatorReading& reading, const CliOptions& options,
                              const LineWriter& write) {
    const AmortizationTerms terms = amortizationTerms(reading);
    if (options.amortize) {
        const AmortizedRange range =
            amortizeRange(terms, options.amortize->first, options.amortize->last);
        if (range.refusal.empty()) write(rangeLine(range.span, reading, options.format));
        return range.refusal;
    }
    const ScheduleGrouping grouping = *options.schedule;
    bool written = true;
    return streamSchedule(terms, grouping, [&](const ScheduleRow& row) {
        if (row.span.first == 1) written = write(scheduleHeader(grouping, ','));
        return written &&
               write(scheduleLine(std::to_string(row.number), row.span, terms.decimals, ','));
    });
}

}  // namespace tabulor
