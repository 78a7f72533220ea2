#pragma once
// The build date as the About box shows it.

#include <string>
#include <string_view>

namespace tabulor {

// Turns the compiler's date ("Dec  7 2026", the day padded with a space) into "Dec 7 2026":
// month abbreviation, day without padding, year, one space between them. Text of another shape
// is returned with its runs of spaces collapsed.
std::string buildDateText(std::string_view compilerDate);

}  // namespace tabulor
