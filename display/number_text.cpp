#include "display/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace tabulor {

namespace {

constexpr int kMaxPrecision = 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The conversion at the given precision, correctly rounded (an exact halfway case to even).
NumberText printWith(double value, std::chars_format format, int precision) {
    NumberText text;
    const auto result = std::to_chars(text.chars.data(), text.chars.data() + text.chars.size(),
                                      value, format, precision);
    // Only fixed notation of a huge value overruns the buffer; the display prints fixed only
    // below 1e13, and an overlong result comes back empty rather than cut.
    text.size = result.ec == std::errc{} ? static_cast<int>(result.ptr - text.chars.data()) : 0;
    return text;
}

// Where the mantissa ends: at the 'e' of scientific notation, else at the end.
int mantissaEnd(const NumberText& text) {
    const std::string_view view = textOf(text);
    const std::size_t ePos = view.find('e');
    return ePos == std::string_view::npos ? text.size : static_cast<int>(ePos);
}

// The decimal exponent of a scientific text from to_chars: a sign and at least two digits after
// the 'e', which stands after the optional minus, the digit and, for precision > 0, the point
// and the decimals.
int exponentOf(const NumberText& text, bool negative, int precision) {
    int at = (negative ? 1 : 0) + 1 + (precision > 0 ? precision + 1 : 0) + 1;
    if (at >= text.size) return 0;
    const bool exponentNegative = text.chars[at] == '-';
    int exponent = 0;
    for (++at; at < text.size; ++at)
        exponent = exponent * 10 + (text.chars[at] - '0');
    return exponentNegative ? -exponent : exponent;
}

// 5^0 .. 5^22; 5^23 exceeds any 53-bit mantissa.
constexpr std::array<std::uint64_t, 23> kPowersOfFive = [] {
    std::array<std::uint64_t, 23> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 5;
    }
    return powers;
}();

// Whether |value| lies exactly halfway between two neighbouring multiples of 10^place, that is
// whether 2|value| / 10^place is an odd integer. With |value| = m · 2^e and m odd, that quotient
// is m · 2^(e+1−place) / 5^place: odd and whole only when e + 1 = place and, for a positive
// place, 5^place divides m.
bool isHalfway(double value, int place) {
    constexpr int kMantissaBits = 52;
    constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kMantissaBits) - 1;
    constexpr int kExponentMask = 0x7FF;
    constexpr int kBias = 1075;  // 1023 plus the 52 fraction bits

    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> kMantissaBits) & kExponentMask);
    std::uint64_t m = bits & kFractionMask;
    int e = 1 - kBias;  // subnormal
    if (biased != 0) {
        m |= std::uint64_t{1} << kMantissaBits;
        e = biased - kBias;
    }
    if (m == 0) return false;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    e += zeros;
    if (e + 1 != place) return false;
    if (place <= 0) return true;
    if (place >= static_cast<int>(kPowersOfFive.size())) return false;
    return m % kPowersOfFive[place] == 0;
}

// The conversion at the given precision (0..kMaxPrecision), correctly rounded, with an exact
// halfway case rounded away from zero (0.125 to two places is 0.13, 2.5 to none is 3) where
// to_chars rounds it to even.
NumberText printRounded(double value, std::chars_format format, int precision) {
    const NumberText nearest = printWith(value, format, precision);
    if (nearest.size == 0 || !std::isfinite(value) || value == 0.0) return nearest;
    // The place of the last digit kept. A scientific text that carried into a new power of ten
    // (9.5 to no places is 1e+01) names an exponent one too high; the place found from it then
    // sees no halfway case, and rightly so: such a case was rounded up, away from zero, already.
    const int lastPlace = format == std::chars_format::scientific
                              ? exponentOf(nearest, std::signbit(value), precision) - precision
                              : -precision;
    if (!isHalfway(value, lastPlace)) return nearest;

    // One more digit is exact: the digits kept truncated, then a 5. Even rounding chose the
    // truncation when its last digit is even; then that digit goes up by one (never past 9).
    // When it is odd, even rounding went up, away from zero, already.
    NumberText exact = printWith(value, format, precision + 1);
    const int end = mantissaEnd(exact);
    if (exact.size == 0 || end < 2 || exact.chars[end - 1] != '5') return nearest;
    int last = end - 2;
    if (exact.chars[last] == '.') --last;  // no decimals kept: the point goes too
    const char digit = exact.chars[last];
    if ((digit - '0') % 2 != 0) return nearest;
    exact.chars[last] = static_cast<char>(digit + 1);
    // Close the gap left by the dropped digits (the 5, and the point when nothing follows it).
    const int removed = end - (last + 1);
    std::copy(exact.chars.begin() + end, exact.chars.begin() + exact.size,
              exact.chars.begin() + last + 1);
    exact.size -= removed;
    return exact;
}

}  // namespace

std::string_view textOf(const NumberText& text) {
    return std::string_view(text.chars.data(), static_cast<std::size_t>(text.size));
}

SignificantDigits roundToSignificant(double magnitude) {
    // d.dddddddddddde±XX: the digit before the point and twelve after it are the 13 digits.
    const NumberText printed =
        printRounded(magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view view = textOf(printed);
    SignificantDigits result;
    result.digits.fill('0');
    const std::size_t ePos = view.find('e');
    if (ePos == std::string_view::npos || ePos < 14) {
        result.exponent = 1;
        return result;
    }
    result.digits[0] = view[0];
    std::copy(view.begin() + 2, view.begin() + 14, result.digits.begin() + 1);
    result.exponent = exponentOf(printed, false, kSignificantDigits - 1) + 1;
    return result;
}

NumberText printFixed(double value, int precision) {
    return printRounded(value, std::chars_format::fixed, std::clamp(precision, 0, kMaxPrecision));
}

NumberText printScientific(double value, int precision) {
    const NumberText raw =
        printRounded(value, std::chars_format::scientific, std::clamp(precision, 0, kMaxPrecision));
    const std::string_view view = textOf(raw);
    const std::size_t ePos = view.find('e');
    if (ePos == std::string_view::npos || ePos + 2 > view.size()) return raw;

    // The conversion writes at least two exponent digits; the display wants exactly three.
    const std::string_view exponentDigits = view.substr(ePos + 2);
    NumberText padded;
    int size = 0;
    const auto put = [&padded, &size](char c) {
        if (size < static_cast<int>(padded.chars.size())) padded.chars[size++] = c;
    };
    for (std::size_t i = 0; i < ePos + 2; ++i)
        put(view[i]);
    for (std::size_t missing = exponentDigits.size(); missing < 3; ++missing)
        put('0');
    for (const char c : exponentDigits)
        put(c);
    padded.size = size;
    return padded;
}

NumberSyntax scanNumber(std::string_view text) {
    NumberSyntax number;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        number.negative = text[at++] == '-';
    const std::size_t mantissaStart = at;
    bool digits = false;
    while (at < text.size() && isDigit(text[at])) {
        digits = true;
        ++at;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) {
            digits = true;
            ++at;
        }
    }
    if (!digits) return NumberSyntax{};
    number.mantissa = text.substr(mantissaStart, at - mantissaStart);
    number.length = at;

    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t scan = at + 1;
        const bool exponentNegative = scan < text.size() && text[scan] == '-';
        if (scan < text.size() && (text[scan] == '-' || text[scan] == '+')) ++scan;
        const std::size_t exponentStart = scan;
        while (scan < text.size() && isDigit(text[scan]))
            ++scan;
        if (scan > exponentStart) {
            number.hasExponent = true;
            number.exponentNegative = exponentNegative;
            number.exponent = text.substr(exponentStart, scan - exponentStart);
            number.length = scan;
        }
    }
    return number;
}

double parseLeadingNumber(std::string_view text) {
    const NumberSyntax number = scanNumber(text);
    if (number.length == 0) return 0.0;

    // Order of magnitude of the mantissa: how many places left of the point its first nonzero
    // digit stands (negative when it stands right of the point). Only needed to tell an
    // overflow from an underflow.
    int order = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    for (const char c : number.mantissa) {
        if (c == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            if (seenNonZero || c != '0') {
                seenNonZero = true;
                ++order;
            }
        } else if (!seenNonZero) {
            if (c != '0') {
                seenNonZero = true;
            } else {
                --order;
            }
        }
    }
    int exponent = 0;
    constexpr int kSaturated = 1000000;
    for (const char c : number.exponent)
        exponent = std::min(kSaturated, exponent * 10 + (c - '0'));
    if (number.exponentNegative) exponent = -exponent;
    const bool negative = number.negative;
    const char* const mantissaStart = number.mantissa.data();
    const char* const end = text.data() + number.length;

    // from_chars takes no leading plus, so the unsigned part is converted and the sign applied
    // afterwards; negating is exact, and "-0" stays a negative zero as in the C conversion.
    double magnitude = 0.0;
    const auto result = std::from_chars(mantissaStart, end, magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched here; the C conversion gives infinity for a
        // magnitude too large and zero for one too small.
        magnitude = order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc{}) {
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace tabulor
