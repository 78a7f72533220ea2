#pragma once
// Decimal conversions between doubles and ASCII text that never consult the process locale (the
// application switches the C locale to the user's, which would turn points into commas).

#include <array>
#include <cstddef>
#include <string_view>

namespace tabulor {

// A printed number held in place: the conversions never allocate.
struct NumberText {
    std::array<char, 48> chars{};
    int size = 0;
};

std::string_view textOf(const NumberText& text);

// Every conversion below first rounds the double to the 15 significant digits a double carries
// faithfully (what lies beyond them is the noise of the binary representation), then rounds
// those digits at the place asked for, a halfway case away from zero, the way amounts of money
// are expected to round: 1.085, stored just below itself, is 1.09 to two places; 0.125 is 0.13;
// −2.5 to none is −3. std::to_chars and printf would give 1.08, 0.12 and −2.

// A non-negative finite magnitude rounded at 13 significant digits, read as
// 0.d1d2…d13 × 10^exponent. Zero gives thirteen zeros and exponent 1.
inline constexpr int kSignificantDigits = 13;

struct SignificantDigits {
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;
};

SignificantDigits roundToSignificant(double magnitude);

// A minus when negative, the integer digits (at least one) and, for precision > 0, a point and
// that many decimals. Precision is clamped to 0..20.
NumberText printFixed(double value, int precision);

// A minus when negative, one digit, a point and `precision` digits when precision > 0, then 'e',
// the exponent's sign and exactly three exponent digits (1.23e+013, 5.00e-012). Precision is
// clamped to 0..20.
NumberText printScientific(double value, int precision);

// Where the number at the start of `text` lies: an optional sign, digits with an optional point
// (at least one digit), and an optional exponent with at least one digit. Text without such a
// part gives length 0 and nothing else.
struct NumberSyntax {
    std::size_t length = 0;  // of the whole number
    bool negative = false;
    std::string_view mantissa;  // digits and at most one point
    bool hasExponent = false;
    bool exponentNegative = false;
    std::string_view exponent;  // its digits
};

NumberSyntax scanNumber(std::string_view text);

// The value of the longest leading part of `text` that forms a decimal number (optional sign,
// digits with an optional point, optional exponent with at least one digit). Text without such
// a part gives 0. Magnitudes beyond the double range give ±infinity, those below it ±0.
double parseLeadingNumber(std::string_view text);

}  // namespace tabulor
