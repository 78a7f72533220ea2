#pragma once
// The texts of the window's finance dialogs.

#include <string_view>

namespace tabulor::text {

inline constexpr std::string_view kAmortizationCaption = "Amortization";
inline constexpr std::string_view kFromPayment = "Payments";
inline constexpr std::string_view kToPayment = "to";
inline constexpr std::string_view kNextYear = "Next year";
inline constexpr std::string_view kInterest = "Interest";
inline constexpr std::string_view kPrincipal = "Principal";
inline constexpr std::string_view kBalance = "Balance";
inline constexpr std::string_view kPayment = "Payment";
inline constexpr std::string_view kYear = "Year";
inline constexpr std::string_view kTotal = "Total";
inline constexpr std::string_view kByPayment = "By payment";
inline constexpr std::string_view kByYear = "By year";
inline constexpr std::string_view kSchedule = "Schedule";
inline constexpr std::string_view kCopyTable = "Copy";
inline constexpr std::string_view kSaveTable = "Save as CSV ...";
inline constexpr std::string_view kSaveCaption = "Save the schedule as CSV";
inline constexpr std::string_view kCsvFiles = "CSV files (*.csv);;All files (*)";
inline constexpr std::string_view kCsvName = "schedule.csv";
inline constexpr std::string_view kCannotAmortize = "Cannot amortize: ";
inline constexpr std::string_view kNoCalculator = "the calculator has ended";
// Rich text: the payments shown and N. The second line, a command, must not break at its hyphen.
inline constexpr std::string_view kCappedNote =
    "Only the first %1 of the %2 payments are amortized here;<br>"
    "tabulor-cli --schedule and --amortize reach them all.";

inline constexpr std::string_view kCashFlowsCaption = "Cash flows";
inline constexpr std::string_view kFlows = "Cash flows";
inline constexpr std::string_view kAmount = "Amount";
inline constexpr std::string_view kCount = "Count";
inline constexpr std::string_view kAmountMissing = "the amount is missing";
inline constexpr std::string_view kInitialCountsOnce =
    "the initial flow CF0 counts once: its count must be 1";
inline constexpr std::string_view kTooManyPeriods =
    "the flows last more periods than can be counted";
inline constexpr std::string_view kRatePerPeriod = "&Rate per period (%)";
inline constexpr std::string_view kRateName = "Rate per period in percent";
inline constexpr std::string_view kAddFlow = "&Add row";
inline constexpr std::string_view kInsertFlow = "&Insert row";
inline constexpr std::string_view kDeleteFlow = "&Delete row";
inline constexpr std::string_view kPasteFlows = "&Paste";
inline constexpr std::string_view kOpenFlows = "&Open ...";
inline constexpr std::string_view kSaveFlows = "&Save ...";
inline constexpr std::string_view kOpenFlowsCaption = "Open cash flows from CSV";
inline constexpr std::string_view kSaveFlowsCaption = "Save the cash flows as CSV";
inline constexpr std::string_view kFlowsCsvName = "cash-flows.csv";
inline constexpr std::string_view kNpv = "NPV";
inline constexpr std::string_view kNfv = "NFV";
inline constexpr std::string_view kIrrPerPeriod = "IRR per period";
inline constexpr std::string_view kIrrPerYear = "IRR per year";
inline constexpr std::string_view kCopy = "Copy";
inline constexpr std::string_view kUse = "Use";
inline constexpr std::string_view kEnterFlows =
    "Enter the flows, CF0 first, or paste a column of them from a spreadsheet.";

}  // namespace tabulor::text
