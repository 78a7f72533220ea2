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

}  // namespace tabulor::text
