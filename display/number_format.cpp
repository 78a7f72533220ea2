// Values into cells: the choice of fixed or scientific notation, the printing, and the walk that
// turns the printed text into glyphs and marks. Also the full-mantissa view.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "display/cell_access.h"
#include "display/display.h"
#include "display/message_table.h"
#include "display/number_text.h"

namespace tabulor {

namespace {

// Cells 1..12 take the number's characters; cell 0 only its sign.
constexpr int kNumberCells = kShownCells - 1;
constexpr int kLargePrecisionLimit = 7;
constexpr int kSmallPrecisionLimit = 6;
constexpr double kOverflowValue = 1e300;
// A value that is not a number is no overflow and has no digits to show; the cells spell it out
// (n, A, n in seven segments) so the user sees that the result is undefined, not zero.
constexpr std::u16string_view kNotANumberText = u" nAn";

enum class Notation { Fixed, Scientific };

struct NumberFormat {
    Notation notation = Notation::Fixed;
    int precision = 0;
};

NumberFormat chooseFormat(double value, int decimals) {
    if (value == 0.0) return {Notation::Fixed, decimals};
    const int e = roundToSignificant(std::fabs(value)).exponent;
    // p: the count of integer digits, or minus the decimal place of the first significant digit.
    const int p = e >= 1 ? e : e - 1;
    if (p > kNumberCells) return {Notation::Scientific, std::min(decimals, kLargePrecisionLimit)};
    if (p <= -kNumberCells) {
        return {Notation::Scientific, std::min(decimals, kSmallPrecisionLimit)};
    }
    if (p >= 1 || decimals == 0 || -p < decimals) return {Notation::Fixed, decimals};
    // The value would show as zero: widen to its first significant digit.
    return {Notation::Fixed, -p};
}

int integerDigitCount(std::string_view fixedText) {
    int count = 0;
    for (const char c : fixedText) {
        if (c == '.') break;
        if (c >= '0' && c <= '9') ++count;
    }
    return count;
}

NumberText printForDisplay(double value, int decimals) {
    const NumberFormat format = chooseFormat(value, decimals);
    if (format.notation == Notation::Fixed) {
        const NumberText fixed = printFixed(value, format.precision);
        // Just under 1e12 with no decimals, the 13-digit rounding keeps 12 integer digits but
        // the conversion rounds up to 13, one more than the cells hold: show it scientific
        // rather than lose a digit.
        if (integerDigitCount(textOf(fixed)) <= kNumberCells) return fixed;
    }
    const int precision = format.notation == Notation::Scientific
                              ? format.precision
                              : std::min(decimals, kLargePrecisionLimit);
    return printScientific(value, precision);
}

void storeText(Display& display, std::string_view printed) {
    display.text.fill(u'\0');
    const std::size_t count = std::min(printed.size(), display.text.size() - 1);
    for (std::size_t i = 0; i < count; ++i)
        display.text[i] = static_cast<char16_t>(printed[i]);
}

// One character that takes a cell; those past the last shown cell are dropped.
void appendCell(Display& display, Glyph glyph) {
    if (display.length >= kNumberCells) return;
    display.length += 1;
    setCell(display, display.length, glyph);
}

void writeTextIntoCells(Display& display) {
    blankAllCells(display);
    clearAllMarks(display);
    forgetEntryPositions(display);
    for (const char16_t c : display.text) {
        if (c == u'\0') break;
        if (c == u'-') {
            if (display.length == 0) {
                setCell(display, 0, Glyph::Minus);
            } else {
                if (display.exponentPos > 0) display.exponentNegative = true;
                appendCell(display, Glyph::Minus);
            }
        } else if (c == u'.') {
            if (display.pointPos == 0) {
                display.pointPos = display.length;
                setMark(display, display.length, display.decimalMark);
            }
        } else if (c == u'0') {
            const bool leadsExponent = display.exponentPos == display.length && display.length != 0;
            if (!leadsExponent) appendCell(display, Glyph{0});
        } else if (c >= u'1' && c <= u'9') {
            appendCell(display, static_cast<Glyph>(c - u'0'));
        } else if (c == u'e' || c == u'E') {
            if (display.exponentPos == 0 && display.length < kNumberCells) {
                appendCell(display, Glyph::Exponent);
                display.exponentPos = display.length;
            }
        }
    }
}

void placeNumberGroupMarks(Display& display) {
    int digitsEnd = display.length;
    if (display.pointPos > 0 && display.pointPos < display.length) digitsEnd = display.pointPos;
    if (display.exponentPos > 0 && display.exponentPos < digitsEnd) {
        digitsEnd = display.exponentPos;
    }
    placeGroupMarks(display, digitsEnd);
}

void endEntry(Display& display) {
    forgetEntryPositions(display);
    display.entryPending = false;
    display.messageActive = false;
}

}  // namespace

void showNumber(Display& display, double value) {
    if (std::isinf(value)) {
        display.value = value > 0 ? kOverflowValue : -kOverflowValue;
        showMessage(display, MessageKind::Overflow);
        forgetEntryPositions(display);
        display.entryPending = false;
        return;
    }
    if (std::isnan(value)) {
        display.value = value;
        display.text.fill(u'\0');
        blankAllCells(display);
        writeGlyphText(display, kNotANumberText);
        endEntry(display);
        return;
    }
    // A negative zero would show as -0.00; zero has no sign on this display.
    if (value == 0.0) value = 0.0;
    display.value = value;

    const int decimals = std::clamp(display.decimals, 0, kMaxDecimals);
    storeText(display, textOf(printForDisplay(value, decimals)));
    writeTextIntoCells(display);
    placeNumberGroupMarks(display);
    endEntry(display);
}

void showFullMantissa(Display& display) {
    // The view shows `value` as it stands, without parsing the cells (the key parses an entry
    // being keyed first). The entry's positions are ended, so that keys after the view start a
    // new number instead of writing into the message's cells at the old cursor position; while
    // the view is on, readNumber yields `value`, the number the view shows.
    forgetEntryPositions(display);

    const double value = display.value;
    if (std::isnan(value)) {
        showMessage(display, kNotANumberText, MessageKind::FullMantissa);
        return;
    }
    if (std::isinf(value)) {
        showMessage(display, MessageKind::Overflow);
        return;
    }
    const SignificantDigits rounded = roundToSignificant(std::fabs(value));
    std::array<char16_t, 1 + kSignificantDigits> text{};
    text[0] = value < 0.0 ? u'-' : u' ';
    std::copy(rounded.digits.begin(), rounded.digits.end(), text.begin() + 1);
    showMessage(display, std::u16string_view(text.data(), text.size()), MessageKind::FullMantissa);
}

}  // namespace tabulor
