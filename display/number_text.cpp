#include "display/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace tabulor {

namespace {

constexpr int kMaxPrecision = 20;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

NumberText printWith(double value, std::chars_format format, int precision) {
    NumberText text;
    const int clamped = std::clamp(precision, 0, kMaxPrecision);
    const auto result = std::to_chars(text.chars.data(), text.chars.data() + text.chars.size(),
                                      value, format, clamped);
    // Only fixed notation of a huge value overruns the buffer; the display prints fixed only
    // below 1e13, and an overlong result comes back empty rather than cut.
    text.size = result.ec == std::errc{} ? static_cast<int>(result.ptr - text.chars.data()) : 0;
    return text;
}

}  // namespace

std::string_view textOf(const NumberText& text) {
    return std::string_view(text.chars.data(), static_cast<std::size_t>(text.size));
}

SignificantDigits roundToSignificant(double magnitude) {
    // d.dddddddddddde±XX: the digit before the point and twelve after it are the 13 digits.
    const NumberText printed = printWith(magnitude, std::chars_format::scientific, 12);
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

    std::size_t at = ePos + 1;
    const bool negative = view[at] == '-';
    if (view[at] == '-' || view[at] == '+') ++at;
    int exponent = 0;
    std::from_chars(view.data() + at, view.data() + view.size(), exponent);
    result.exponent = (negative ? -exponent : exponent) + 1;
    return result;
}

NumberText printFixed(double value, int precision) {
    return printWith(value, std::chars_format::fixed, precision);
}

NumberText printScientific(double value, int precision) {
    const NumberText raw = printWith(value, std::chars_format::scientific, precision);
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
