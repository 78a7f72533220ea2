#include "finance/shown_amount.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace tabulor {

namespace {

constexpr std::array<double, 10> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// Below this, an amount scaled to whole units of its last decimal is a whole double.
constexpr double kWholeLimit = 1e15;
// How far the rounding to 15 significant digits (half a unit of the 15th, 5e-15 of the amount)
// and the scaling (2^-53) may move the scaled amount, with room.
constexpr double kReach = 6e-15;

// |x| in units of the last decimal, rounded, when no halfway case lies within the reach of the
// two roundings, which then both end at the same whole number; nothing otherwise.
std::optional<std::uint64_t> scaledMagnitude(double x, int decimals) {
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) return std::nullopt;
    const double scaled = std::fabs(x) * kPowersOfTen[static_cast<std::size_t>(decimals)];
    if (!(scaled < kWholeLimit)) return std::nullopt;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= kReach * scaled) return std::nullopt;
    return static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
}

NumberText printedAmount(double amount, int decimals) {
    const NumberText fixed = printFixed(amount, decimals);
    // Past the integer digits the text holds, the 15 significant digits end far left of the
    // point, so rounding at the decimals changes none of them.
    if (fixed.size > 0 || !std::isfinite(amount)) return fixed;
    return printScientific(amount, 14);
}

// As printFixed writes it: a minus for any negative amount, at least one integer digit.
NumberText unitsText(bool negative, std::uint64_t units, int decimals) {
    std::array<char, 24> digits{};
    int count = 0;
    do {
        digits[static_cast<std::size_t>(count++)] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units > 0 || count <= decimals);
    NumberText text;
    if (negative) text.chars[static_cast<std::size_t>(text.size++)] = '-';
    for (int k = count - 1; k >= 0; --k) {
        if (k == decimals - 1) text.chars[static_cast<std::size_t>(text.size++)] = '.';
        text.chars[static_cast<std::size_t>(text.size++)] = digits[static_cast<std::size_t>(k)];
    }
    return text;
}

}  // namespace

std::optional<double> shownAmount(double x, int decimals) {
    if (!std::isfinite(x)) return std::nullopt;
    double rounded = 0.0;
    if (const std::optional<std::uint64_t> units = scaledMagnitude(x, decimals)) {
        // Both whole and exact, so the division is the double nearest the decimal, as reading
        // its text back gives.
        rounded = std::copysign(
            static_cast<double>(*units) / kPowersOfTen[static_cast<std::size_t>(decimals)], x);
    } else {
        rounded = parseLeadingNumber(textOf(printedAmount(x, decimals)));
    }
    if (!std::isfinite(rounded)) return std::nullopt;
    return rounded + 0.0;
}

NumberText amountText(double amount, int decimals) {
    if (std::isfinite(amount)) {
        if (const std::optional<std::uint64_t> units = scaledMagnitude(amount, decimals)) {
            return unitsText(std::signbit(amount), *units, decimals);
        }
    }
    return printedAmount(amount, decimals);
}

}  // namespace tabulor
