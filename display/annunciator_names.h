#pragma once
// The annunciators' names as the display reads out and the artwork prints them, and the error
// annunciator's text for each error code. Constant, so that the artwork generator can use it.

#include <array>
#include <cstddef>
#include <string_view>

namespace tabulor {

inline constexpr std::string_view kShiftName = "SHIFT";
inline constexpr std::string_view kPendName = "PEND";
inline constexpr std::string_view kBeginName = "BEGIN";
inline constexpr std::string_view kBatteryName = "BAT";

// By error code (display/glyph.h); code 0 shows nothing.
inline constexpr std::array<std::string_view, 6> kErrorBandNames{
    "", "ERROR TVM", "ERROR FULL", "ERROR STAT", "ERROR FUNC", "STAT"};

}  // namespace tabulor
