// The display's decimal conversions against an exact reference: each double's exact decimal
// expansion (worked out with big integers, no floating-point conversion involved) rounded to
// 15 significant digits, then at the place asked for, a halfway case of those digits away from
// zero. The exact expansion rounded at the place directly, halfway cases to even, must
// reproduce std::to_chars, so that the reference itself is known to be right where no tie is
// involved.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "display/number_text.h"

#ifndef TABULOR_ROUNDING_SAMPLES
#define TABULOR_ROUNDING_SAMPLES 600000
#endif

namespace tabulor {
namespace {

// A text built in place; the checks make millions of them and allocate none.
struct Text {
    std::array<char, 64> chars{};
    int size = 0;

    void put(char c) { chars[size++] = c; }
    std::string_view view() const { return {chars.data(), static_cast<std::size_t>(size)}; }
};

// |value| exactly: digits × 10^−fractionDigits, the digits without leading zeros ("0" for zero).
// A double has at most 767 significant decimal digits.
struct ExactDecimal {
    std::array<char, 800> digits{};
    int length = 0;
    int fractionDigits = 0;
    int lastNonZero = -1;  // index of the last digit that is not 0

    // The place of the leading digit: |value| lies in [10^leadingPlace, 10^(leadingPlace+1)).
    int leadingPlace() const { return length - 1 - fractionDigits; }
    int indexOf(int place) const { return leadingPlace() - place; }
    char digitAt(int place) const {
        const int index = indexOf(place);
        return index >= 0 && index < length ? digits[index] : '0';
    }
    bool isZero() const { return lastNonZero < 0; }
};

constexpr int kFaithfulDigits = 15;

// A natural number in base 10^9, least significant limb first, big enough for 2^1024 and for
// 2^53 · 5^1074.
class BigNatural {
  public:
    explicit BigNatural(std::uint64_t value) {
        do {
            limbs_[size_++] = static_cast<std::uint32_t>(value % kBase);
            value /= kBase;
        } while (value != 0);
    }

    // factor < 2^32, so limb × factor + carry stays below 2^64.
    void multiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_[size_++] = static_cast<std::uint32_t>(carry % kBase);
            carry /= kBase;
        }
    }

    void multiplyByPower(std::uint32_t base, int exponent, std::uint32_t chunk, int chunkExponent) {
        for (; exponent >= chunkExponent; exponent -= chunkExponent)
            multiplyBy(chunk);
        for (; exponent > 0; --exponent)
            multiplyBy(base);
    }

    void writeDecimal(ExactDecimal& x) const {
        x.length = 0;
        std::uint32_t top = limbs_[size_ - 1];
        std::array<char, 9> part{};
        int count = 0;
        do {
            part[count++] = static_cast<char>('0' + top % 10);
            top /= 10;
        } while (top != 0);
        while (count > 0)
            x.digits[x.length++] = part[--count];
        for (int i = size_ - 2; i >= 0; --i) {
            std::uint32_t limb = limbs_[i];
            for (int k = 8; k >= 0; --k) {
                x.digits[x.length + k] = static_cast<char>('0' + limb % 10);
                limb /= 10;
            }
            x.length += 9;
        }
    }

  private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::array<std::uint32_t, 90> limbs_{};
    int size_ = 0;
};

// From the bits: |value| = m · 2^e with m < 2^53; for e < 0 that is m · 5^−e / 10^−e.
void exactDecimal(double value, ExactDecimal& x) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    while (m != 0 && e < 0 && m % 2 == 0) {
        m /= 2;
        ++e;
    }
    BigNatural n(m);
    x.fractionDigits = 0;
    if (e >= 0) {
        n.multiplyByPower(2, e, std::uint32_t{1} << 29, 29);
    } else {
        n.multiplyByPower(5, -e, 1220703125, 13);  // 5^13
        x.fractionDigits = -e;
    }
    n.writeDecimal(x);
    x.lastNonZero = x.length - 1;
    while (x.lastNonZero >= 0 && x.digits[x.lastNonZero] == '0')
        --x.lastNonZero;
}

// round(|value| / 10^place) from the exact digits, written without leading zeros ("0" for zero),
// once with a halfway case rounded to even and once away from zero. The places kept run from
// the leading digit (or 10^place, if higher) down to 10^place.
struct Rounded {
    Text toEven;
    Text awayFromZero;
    bool halfway = false;
};

void incrementDigits(Text& digits) {
    int at = digits.size - 1;
    while (at >= 0 && digits.chars[at] == '9')
        digits.chars[at--] = '0';
    if (at >= 0) {
        ++digits.chars[at];
        return;
    }
    std::copy_backward(digits.chars.begin(), digits.chars.begin() + digits.size,
                       digits.chars.begin() + digits.size + 1);
    digits.chars[0] = '1';
    ++digits.size;
}

Rounded roundAt(const ExactDecimal& x, int place) {
    Rounded result;
    Text& kept = result.toEven;
    const int top = std::max(x.leadingPlace(), place);
    // Leading zeros are left out, but at least the digit at 10^place is kept.
    for (int p = top; p >= place; --p) {
        const char digit = x.digitAt(p);
        if (digit != '0' || kept.size > 0 || p == place) kept.put(digit);
    }
    const char first = x.digitAt(place - 1);
    const bool restIsZero = x.lastNonZero <= x.indexOf(place - 1);
    const bool above = first > '5' || (first == '5' && !restIsZero);
    result.halfway = first == '5' && restIsZero;
    const bool keptIsOdd = (kept.chars[kept.size - 1] - '0') % 2 == 1;
    if (above) incrementDigits(kept);
    result.awayFromZero = kept;
    if (result.halfway) {
        incrementDigits(result.awayFromZero);
        if (keptIsOdd) incrementDigits(kept);
    }
    return result;
}

// x correctly rounded to its first 15 significant digits, as an exact decimal of its own.
void roundToFaithful(const ExactDecimal& x, ExactDecimal& faithful) {
    if (x.isZero()) {
        faithful = x;
        return;
    }
    const int place = x.leadingPlace() - (kFaithfulDigits - 1);
    const Text digits = roundAt(x, place).toEven;
    std::copy(digits.chars.begin(), digits.chars.begin() + digits.size, faithful.digits.begin());
    faithful.length = digits.size;
    faithful.fractionDigits = -place;
    faithful.lastNonZero = faithful.length - 1;
    while (faithful.lastNonZero >= 0 && faithful.digits[faithful.lastNonZero] == '0')
        --faithful.lastNonZero;
}

// What printFixed writes from round(|value| · 10^precision): into 48 characters, or nothing
// when the text is longer.
Text fixedText(bool negative, const Text& q, int precision) {
    constexpr int kRoom = 48;
    Text text;
    if (negative) text.put('-');
    const int qWhole = q.size - precision;
    if (qWhole <= 0) text.put('0');
    for (int i = 0; i < qWhole; ++i)
        text.put(q.chars[i]);
    if (precision > 0) text.put('.');
    for (int i = qWhole; i < q.size; ++i)
        text.put(i < 0 ? '0' : q.chars[i]);
    if (text.size > kRoom) text.size = 0;
    return text;
}

// d.ddde±XX with at least `exponentDigits` exponent digits, from the digits q rounded at
// 10^(exponent − precision) (one digit more when they carried into a new power of ten).
Text scientificText(bool negative, const Text& q, int exponent, int precision, int exponentDigits) {
    if (q.size == precision + 2) ++exponent;
    Text text;
    if (negative) text.put('-');
    text.put(q.chars[0]);
    if (precision > 0) text.put('.');
    for (int i = 1; i <= precision; ++i)
        text.put(q.chars[i]);
    text.put('e');
    text.put(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    const int digits = magnitude >= 100 ? 3 : magnitude >= 10 ? 2 : 1;
    for (int i = digits; i < exponentDigits; ++i)
        text.put('0');
    for (int divisor = digits == 3 ? 100 : digits == 2 ? 10 : 1; divisor > 0; divisor /= 10)
        text.put(static_cast<char>('0' + magnitude / divisor % 10));
    return text;
}

Text toChars(double value, std::chars_format format, int precision) {
    Text text;
    constexpr std::size_t kRoom = 48;
    const auto result =
        std::to_chars(text.chars.data(), text.chars.data() + kRoom, value, format, precision);
    if (result.ec == std::errc{}) text.size = static_cast<int>(result.ptr - text.chars.data());
    return text;
}

std::string hexOf(double value) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%a", value);
    return text.data();
}

class RoundingChecker {
  public:
    // The precisions the display uses: fixed 0..9 decimals and up to 11 when a small value
    // widens to its first digit; scientific up to 7 (checked to 9), and 12 for the 13
    // significant digits.
    static constexpr int kLastFixedPrecision = 11;
    static constexpr int kLastScientificPrecision = 9;

    void check(double value) {
        if (!std::isfinite(value) || failures_ >= kReportedFailures) return;
        const bool negative = std::signbit(value);
        exactDecimal(value, exact_);
        roundToFaithful(exact_, faithful_);
        for (int precision = 0; precision <= kLastFixedPrecision; ++precision)
            checkFixed(value, negative, precision);
        for (int precision = 0; precision <= kLastScientificPrecision; ++precision)
            checkScientific(value, negative, precision);
        checkSignificantDigits(value);
    }

    long halfwayCases() const { return halfwayCases_; }
    // Scientific halfway cases at a place above the units (125 to two digits).
    long halfwayAboveUnits() const { return halfwayAboveUnits_; }

  private:
    static constexpr int kReportedFailures = 20;

    void checkFixed(double value, bool negative, int precision) {
        // A text too long for the 48 characters is not worked out digit by digit.
        const auto fits = [negative, precision](const ExactDecimal& x) {
            const int wholeDigits = std::max(x.leadingPlace(), 0) + 1;
            return negative + wholeDigits + (precision > 0 ? precision + 1 : 0) <= 48;
        };
        Text awayFromZero;
        Text toEven;
        bool halfway = false;
        if (fits(faithful_)) {
            const Rounded q = roundAt(faithful_, -precision);
            awayFromZero = fixedText(negative, q.awayFromZero, precision);
            halfway = q.halfway;
        }
        if (fits(exact_))
            toEven = fixedText(negative, roundAt(exact_, -precision).toEven, precision);
        if (halfway && awayFromZero.view() != toEven.view()) ++halfwayCases_;
        expectSame(value, "printFixed", precision, textOf(printFixed(value, precision)),
                   awayFromZero.view());
        expectSame(value, "to_chars fixed", precision,
                   toChars(value, std::chars_format::fixed, precision).view(), toEven.view());
    }

    void checkScientific(double value, bool negative, int precision) {
        Text awayFromZero;
        Text toEven;
        if (exact_.isZero()) {
            Text zeros;
            for (int i = 0; i <= precision; ++i)
                zeros.put('0');
            awayFromZero = scientificText(negative, zeros, 0, precision, 3);
            toEven = scientificText(negative, zeros, 0, precision, 2);
        } else {
            const int exponent = faithful_.leadingPlace();
            const Rounded q = roundAt(faithful_, exponent - precision);
            awayFromZero = scientificText(negative, q.awayFromZero, exponent, precision, 3);
            const int exactExponent = exact_.leadingPlace();
            toEven = scientificText(negative, roundAt(exact_, exactExponent - precision).toEven,
                                    exactExponent, precision, 2);
            if (q.halfway && awayFromZero.view() != toEven.view()) {
                ++halfwayCases_;
                if (exponent - precision > 0) ++halfwayAboveUnits_;
            }
        }
        expectSame(value, "printScientific", precision, textOf(printScientific(value, precision)),
                   awayFromZero.view());
        expectSame(value, "to_chars scientific", precision,
                   toChars(value, std::chars_format::scientific, precision).view(), toEven.view());
    }

    // The 13 digits of the full-mantissa view and of the notation choice.
    void checkSignificantDigits(double value) {
        constexpr int kPrecision = kSignificantDigits - 1;
        Text expected;
        int exponent = 1;
        if (exact_.isZero()) {
            for (int i = 0; i < kSignificantDigits; ++i)
                expected.put('0');
        } else {
            const Rounded q = roundAt(faithful_, faithful_.leadingPlace() - kPrecision);
            expected = q.awayFromZero;
            expected.size = kSignificantDigits;
            exponent = faithful_.leadingPlace() + 1 + (q.awayFromZero.size > kSignificantDigits);
        }
        const SignificantDigits rounded = roundToSignificant(std::fabs(value));
        const std::string_view digits(rounded.digits.data(), rounded.digits.size());
        if (digits != expected.view() || rounded.exponent != exponent) {
            expectSame(value, "roundToSignificant", kPrecision,
                       std::string(digits) + " e" + std::to_string(rounded.exponent),
                       std::string(expected.view()) + " e" + std::to_string(exponent));
        }
    }

    void expectSame(double value, const char* what, int precision, std::string_view actual,
                    std::string_view expected) {
        if (actual == expected) return;
        ++failures_;
        ADD_FAILURE() << what << " of " << hexOf(value) << " at precision " << precision
                      << ": got \"" << actual << "\", the exact reference gives \"" << expected
                      << "\"";
    }

    ExactDecimal exact_;
    ExactDecimal faithful_;
    int failures_ = 0;
    long halfwayCases_ = 0;
    long halfwayAboveUnits_ = 0;
};

TEST(DecimalConversion, FifteenDigitsThenHalfwayCasesAwayFromZero) {
    constexpr long kSamples = TABULOR_ROUNDING_SAMPLES;
    std::mt19937_64 random(20240612);
    const auto below = [&random](std::uint64_t bound) {
        return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(random);
    };
    const auto withRandomSign = [&random](double magnitude) {
        return (random() & 1U) != 0 ? -magnitude : magnitude;
    };
    RoundingChecker checker;

    // Random bit patterns over the whole range, and with exponents where the display prints
    // fixed notation (about 1e-18 to 1e18).
    for (long k = 0; k < kSamples / 8; ++k)
        checker.check(std::bit_cast<double>(random()));
    for (long k = 0; k < kSamples / 4; ++k) {
        const std::uint64_t mantissa = random() & ((std::uint64_t{1} << 52) - 1);
        const std::uint64_t biased = 1023 - 60 + below(121);
        checker.check(withRandomSign(std::bit_cast<double>((biased << 52) | mantissa)));
    }
    // Values with few decimals, as keyed or computed: k / 10^d.
    for (long k = 0; k < kSamples * 5 / 16; ++k) {
        const std::uint64_t scale = std::uint64_t{1} << below(44);
        const auto numerator = static_cast<double>(below(scale) + 1);
        checker.check(withRandomSign(numerator / std::pow(10.0, static_cast<int>(below(13)))));
    }
    // Dyadic values with few binary places, among which the exact halfway cases lie:
    // odd k / 2^j is halfway at j − 1 decimals.
    for (long k = 0; k < kSamples * 5 / 16; ++k) {
        const std::uint64_t scale = std::uint64_t{1} << below(48);
        const auto odd = static_cast<double>(2 * below(scale) + 1);
        checker.check(withRandomSign(std::ldexp(odd, -static_cast<int>(below(24)))));
    }
    // Zeros, the extremes and the smallest subnormal.
    for (const double value : {0.0, -0.0, 0.5, 2.5, 5e-324, 2.2250738585072014e-308,
                               1.7976931348623157e308, 9007199254740991.0, 1e22, 0.125}) {
        checker.check(value);
        checker.check(-value);
    }
    // The sample must hold halfway cases, or it proves nothing about them.
    EXPECT_GT(checker.halfwayCases(), kSamples / 10);
    EXPECT_GT(checker.halfwayAboveUnits(), kSamples / 1000);
}

}  // namespace
}  // namespace tabulor
