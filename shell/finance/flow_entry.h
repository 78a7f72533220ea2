#pragma once
// The numbers of the cash-flow table as typed into a cell or pasted from a spreadsheet, in the
// formats the window's paste takes ("$1,234.56", "(500)", "−42"), and numbers written back for
// a cell or for the calculator's keys.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulor {

template <typename T>
struct EntryRead {
    std::optional<T> value;
    std::string fault;  // "is not a number", after the cell's name and quote; empty when read
};

// `decimalMark` is the calculator's, '.' or ','. A finite amount.
EntryRead<double> amountEntry(std::string_view text, char decimalMark);
// A whole count of at least 1 that the periods can be counted in.
EntryRead<std::int64_t> countEntry(std::string_view text, char decimalMark);

struct PastedFlow {
    double amount = 0.0;
    std::optional<std::int64_t> count;  // none where the text had one column
};

struct PastedFlows {
    std::vector<PastedFlow> flows;
    std::string fault;  // "line 3: amount 'abc' is not a number"; empty when all read
};

// A column of amounts, or two of amount and count split by tabs, a line a flow; blank lines
// are skipped. All or nothing: a line that does not read gives its fault and no flows.
PastedFlows pastedFlows(std::string_view text, char decimalMark);

// An amount for its cell: the fewest digits that read back as the same double, with the mark.
std::string cellText(double amount, char decimalMark);

// The amount as the calculator's entry holds it: at most its 12 digits, then plain text that
// engine/number_keys turns into keys ("28.0948421208", "1.2345678e+015").
std::string enteredText(double amount);

}  // namespace tabulor
