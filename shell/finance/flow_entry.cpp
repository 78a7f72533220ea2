#include "shell/finance/flow_entry.h"

#include <charconv>
#include <cmath>

#include "display/display.h"
#include "display/number_text.h"
#include "finance/cash_flows.h"
#include "shell/window/pasted_number.h"
#include "text/trimmed.h"

namespace tabulor {

namespace {

// Digits the entry's mantissa keeps beside E and a three-digit exponent.
constexpr int kScientificDigits = kMaxEntryLength - 4;

std::optional<double> plainValue(std::string_view text, char decimalMark) {
    const std::optional<std::string> plain = plainNumberText(text, decimalMark);
    if (!plain) return std::nullopt;
    double value = 0.0;
    const char* end = plain->data() + plain->size();
    const auto read = std::from_chars(plain->data(), end, value);
    if (read.ec != std::errc() || read.ptr != end) return std::nullopt;
    return value + 0.0;  // no negative zero
}

// Trailing zeros of the decimals, and a point left bare, go.
std::string withoutTrailingZeros(std::string text) {
    const std::size_t exponent = std::min(text.find('e'), text.size());
    std::string tail = text.substr(exponent);
    text.erase(exponent);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text + tail;
}

}  // namespace

EntryRead<double> amountEntry(std::string_view text, char decimalMark) {
    const std::optional<double> value = plainValue(text, decimalMark);
    if (!value) return {std::nullopt, "is not a number"};
    if (!std::isfinite(*value)) return {std::nullopt, "is not a finite number"};
    return {value, {}};
}

EntryRead<std::int64_t> countEntry(std::string_view text, char decimalMark) {
    const std::optional<double> value = plainValue(text, decimalMark);
    if (!value) return {std::nullopt, "is not a number"};
    if (std::trunc(*value) != *value) return {std::nullopt, "is not a whole number"};
    if (*value < 1.0) return {std::nullopt, "is less than 1"};
    if (*value > static_cast<double>(kMostPeriods))
        return {std::nullopt, "is more periods than can be counted"};
    return {static_cast<std::int64_t>(*value), {}};
}

PastedFlows pastedFlows(std::string_view text, char decimalMark) {
    PastedFlows pasted;
    long number = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = trimmedBlanks(text.substr(at, end - at));
        at = end + 1;
        ++number;
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        const std::string_view amount = trimmedBlanks(line.substr(0, tab));
        const std::string_view count = tab == std::string_view::npos
                                           ? std::string_view{}
                                           : trimmedBlanks(line.substr(tab + 1));
        const auto fault = [&](std::string_view field, std::string_view what,
                               const std::string& why) {
            return PastedFlows{{},
                               "line " + std::to_string(number) + ": " + std::string(what) + " '" +
                                   std::string(field) + "' " + why};
        };
        if (count.find('\t') != std::string_view::npos)
            return {{}, "line " + std::to_string(number) + ": more than two columns"};
        const EntryRead<double> read = amountEntry(amount, decimalMark);
        if (!read.value) return fault(amount, "amount", read.fault);
        PastedFlow flow{*read.value, std::nullopt};
        if (!count.empty()) {
            const EntryRead<std::int64_t> counted = countEntry(count, decimalMark);
            if (!counted.value) return fault(count, "count", counted.fault);
            flow.count = counted.value;
        }
        pasted.flows.push_back(flow);
    }
    if (pasted.flows.empty()) pasted.fault = "the clipboard holds no numbers";
    return pasted;
}

std::string cellText(double amount, char decimalMark) {
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, amount);
    std::string text(digits, written.ptr);
    if (decimalMark == ',') {
        for (char& c : text)
            if (c == '.') c = ',';
    }
    return text;
}

std::string enteredText(double amount) {
    const double magnitude = std::fabs(amount);
    if (magnitude != 0.0 && (magnitude >= 1e12 || magnitude < 1e-4)) {
        return withoutTrailingZeros(
            std::string(textOf(printScientific(amount, kScientificDigits - 1))));
    }
    // The digits before the point, a leading 0 too, take their room in the entry.
    const int whole = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    std::string text(textOf(printFixed(amount, std::max(0, kMaxEntryLength - whole))));
    return withoutTrailingZeros(text);
}

}  // namespace tabulor
