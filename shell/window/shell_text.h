#pragma once
// The texts of the window, its menu and its boxes.

#include <string_view>

#ifndef TABULOR_VERSION
#error "TABULOR_VERSION must be defined by the build"
#endif

namespace tabulor::text {

inline constexpr std::string_view kTitle = "Tabulor";
inline constexpr std::string_view kTools = "Tools";
inline constexpr std::string_view kAbout = "About ...";
inline constexpr std::string_view kAmortization = "Amortization ...";
inline constexpr std::string_view kCashFlows = "Cash flows ...";
inline constexpr std::string_view kReset = "Reset";
inline constexpr std::string_view kExit = "Exit";

inline constexpr std::string_view kAboutCaption = "About Tabulor";
inline constexpr std::string_view kWelcome = "Welcome to Tabulor";
inline constexpr std::string_view kDescription = "A business and financial calculator";
inline constexpr std::string_view kVersion = "Version " TABULOR_VERSION;
inline constexpr std::string_view kBuildDatePrefix = "Build date: ";
// How it reckons and how to see all of a number, which the keys do not say.
inline constexpr std::string_view kArithmeticNote =
    "Arithmetic runs from left to right, as keyed: 2 + 3 × 4 = gives 20.";
inline constexpr std::string_view kFullPrecisionNote =
    "DISP = (SHIFT =, then =) shows every digit of the mantissa for a moment.";
inline constexpr std::string_view kContact =
    "Tabulor project\nhttps://tabulor.example\ncontact@tabulor.example";

}  // namespace tabulor::text
