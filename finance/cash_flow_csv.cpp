#include "finance/cash_flow_csv.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "display/number_text.h"
#include "text/trimmed.h"
#include "text/utf8.h"

namespace tabulor {

namespace {

// A field is quoted back at most this long, so that a stray binary file gives a short message.
constexpr std::size_t kMostQuotedBytes = 40;

// Cut between characters, so that the quote stays UTF-8 where the file was.
std::string quoted(std::string_view field) {
    if (field.size() <= kMostQuotedBytes) return "'" + std::string(field) + "'";
    std::size_t cut = 0;
    while (cut < field.size()) {
        const std::size_t length = std::max<std::size_t>(1, utf8CharacterAt(field, cut).length);
        if (cut + length > kMostQuotedBytes) break;
        cut += length;
    }
    return "'" + std::string(field.substr(0, cut)) + "…'";
}

struct Number {
    double value = 0.0;
    std::string fault;  // "is not a number", after the field's name and quote
};

Number numberIn(std::string_view field) {
    const NumberSyntax syntax = scanNumber(field);
    if (syntax.length == 0 || syntax.length != field.size()) return {0.0, "is not a number"};
    const double value = parseLeadingNumber(field);
    if (!std::isfinite(value)) return {0.0, "is not a finite number"};
    return {value + 0.0, {}};
}

// The count's fault, or empty with `count` set.
std::string countIn(std::string_view field, std::int64_t& count) {
    if (field.empty()) {
        count = 1;
        return {};
    }
    const Number number = numberIn(field);
    if (!number.fault.empty()) return number.fault;
    if (std::trunc(number.value) != number.value) return "is not a whole number";
    if (number.value < 1.0) return "is less than 1";
    if (number.value > static_cast<double>(kMostPeriods))
        return "is more periods than can be counted";
    count = static_cast<std::int64_t>(number.value);
    return {};
}

// One line that holds a flow; the fault without the line's number, or empty.
std::string flowIn(std::string_view line, bool initial, CashFlow& flow) {
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos && line.find(',', comma + 1) != std::string_view::npos) {
        return "more than two fields: expected an amount and, optionally, a count";
    }
    const std::string_view amount = trimmedBlanks(line.substr(0, comma));
    const std::string_view count = comma == std::string_view::npos
                                       ? std::string_view{}
                                       : trimmedBlanks(line.substr(comma + 1));
    if (amount.empty()) return "the amount is missing";
    const Number number = numberIn(amount);
    if (!number.fault.empty()) return "amount " + quoted(amount) + " " + number.fault;
    flow.amount = number.value;
    if (const std::string fault = countIn(count, flow.count); !fault.empty()) {
        return "count " + quoted(count) + " " + fault;
    }
    if (initial && flow.count != 1) return "the initial flow CF0 counts once: its count must be 1";
    return {};
}

}  // namespace

CashFlowRead readCashFlowCsv(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    CashFlowRead read;
    std::int64_t periods = 0;
    long number = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        line = trimmedBlanks(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        CashFlow flow;
        std::string fault = flowIn(line, read.flows.empty(), flow);
        if (fault.empty() && !read.flows.empty()) {
            periods += flow.count;
            if (periods > kMostPeriods) fault = "the flows last more periods than can be counted";
        }
        if (!fault.empty()) return {{}, "line " + std::to_string(number) + ": " + fault};
        read.flows.push_back(flow);
    }
    if (read.flows.empty()) read.error = "the file holds no flows";
    return read;
}

std::string cashFlowCsv(std::span<const CashFlow> flows) {
    std::string text = "# amount,count\n";
    for (const CashFlow& flow : flows) {
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, flow.amount);
        text.append(digits, written.ptr);
        text += ',' + std::to_string(flow.count) + '\n';
    }
    return text;
}

}  // namespace tabulor
