#include "display/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace tabulor {

namespace {

constexpr int kMaxPrecision = 20;
constexpr int kFaithfulDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A finite magnitude's decimal digits, d1.d2…d15 × 10^exponent, rounded at `count` of them;
// digits past `count` are zeros, and no digits (count 0) is zero.
struct Digits {
    std::array<char, kFaithfulDigits> digits{};
    int count = 0;
    int exponent = 0;

    // The digit standing at 10^place.
    char at(int place) const {
        const int index = exponent - place;
        return index >= 0 && index < count ? digits[index] : '0';
    }
};

// |value| correctly rounded to the 15 significant digits a double carries faithfully; what lies
// beyond them is the noise of the binary representation, not part of the number.
Digits faithfulDigits(double value) {
    Digits result;
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) return result;
    // d.dddddddddddddde±XX[X]
    std::array<char, 32> text{};
    const auto printed = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, kFaithfulDigits - 1);
    const char* const start = text.data();
    const char* const e = std::find(start, static_cast<const char*>(printed.ptr), 'e');
    result.digits[0] = text[0];
    std::copy(start + 2, e, result.digits.begin() + 1);
    result.count = kFaithfulDigits;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), printed.ptr, result.exponent);
    return result;
}

// The digits rounded at 10^place, a halfway case away from zero: a digit of 5 or more right of
// the place rounds up, since the faithful digits are all there is of the number.
Digits roundAtPlace(Digits number, int place) {
    const int kept = number.exponent - place + 1;  // digits from the leading one down to place
    if (number.count == 0 || kept >= number.count) return number;
    const bool up = kept >= 0 && number.digits[kept] >= '5';
    number.count = std::max(kept, 0);
    if (!up) return number;
    int at = number.count - 1;
    while (at >= 0 && number.digits[at] == '9')
        --at;
    if (at < 0) {
        // Only nines, or nothing, were kept: the result is the next power of ten.
        number.digits[0] = '1';
        number.count = 1;
        number.exponent = place + kept;
        return number;
    }
    ++number.digits[at];
    number.count = at + 1;
    return number;
}

// Infinities and values that are not numbers, as the standard conversion spells them.
NumberText printNonFinite(double value) {
    NumberText text;
    const auto result =
        std::to_chars(text.chars.data(), text.chars.data() + text.chars.size(), value);
    text.size = static_cast<int>(result.ptr - text.chars.data());
    return text;
}

class TextWriter {
  public:
    explicit TextWriter(NumberText& text) : text_(text) { text_.size = 0; }
    void put(char c) { text_.chars[text_.size++] = c; }

  private:
    NumberText& text_;
};

}  // namespace

std::string_view textOf(const NumberText& text) {
    return std::string_view(text.chars.data(), static_cast<std::size_t>(text.size));
}

SignificantDigits roundToSignificant(double magnitude) {
    SignificantDigits result;
    result.digits.fill('0');
    result.exponent = 1;
    const Digits faithful = faithfulDigits(magnitude);
    if (faithful.count == 0) return result;
    const Digits rounded = roundAtPlace(faithful, faithful.exponent - (kSignificantDigits - 1));
    for (int k = 0; k < kSignificantDigits; ++k)
        result.digits[k] = rounded.at(rounded.exponent - k);
    result.exponent = rounded.exponent + 1;
    return result;
}

NumberText printFixed(double value, int precision) {
    if (!std::isfinite(value)) return printNonFinite(value);
    precision = std::clamp(precision, 0, kMaxPrecision);
    const Digits digits = roundAtPlace(faithfulDigits(value), -precision);
    const bool negative = std::signbit(value);
    const int top = digits.count > 0 ? std::max(digits.exponent, 0) : 0;
    NumberText text;
    // A huge value has more integer digits than the text holds; the display prints fixed only
    // below 1e13, and an overlong result comes back empty rather than cut.
    if (negative + top + 1 + (precision > 0 ? precision + 1 : 0) >
        static_cast<int>(text.chars.size()))
        return text;
    TextWriter out(text);
    if (negative) out.put('-');
    for (int place = top; place >= 0; --place)
        out.put(digits.at(place));
    if (precision > 0) out.put('.');
    for (int place = -1; place >= -precision; --place)
        out.put(digits.at(place));
    return text;
}

NumberText printScientific(double value, int precision) {
    if (!std::isfinite(value)) return printNonFinite(value);
    precision = std::clamp(precision, 0, kMaxPrecision);
    const Digits faithful = faithfulDigits(value);
    const Digits digits = roundAtPlace(faithful, faithful.exponent - precision);
    const int exponent = digits.count > 0 ? digits.exponent : 0;
    NumberText text;
    TextWriter out(text);
    if (std::signbit(value)) out.put('-');
    out.put(digits.at(exponent));
    if (precision > 0) out.put('.');
    for (int k = 1; k <= precision; ++k)
        out.put(digits.at(exponent - k));
    out.put('e');
    out.put(exponent < 0 ? '-' : '+');
    int magnitude = std::abs(exponent);
    for (int divisor = 100; divisor > 0; divisor /= 10) {
        out.put(static_cast<char>('0' + magnitude / divisor));
        magnitude %= divisor;
    }
    return text;
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
