// Cells back into values: keyed entries, shown values taken as displayed, swapped marks, and
// the leading-number conversion underneath.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "display/display.h"
#include "display/number_text.h"
#include "display/tests/display_readout.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::key;
using testing::readout;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct KeyedCase {
    const char* keys;
    double value;
};

void PrintTo(const KeyedCase& c, std::ostream* os) {
    *os << '"' << c.keys << '"';
}

class ReadKeyedEntry : public ::testing::TestWithParam<KeyedCase> {};

TEST_P(ReadKeyedEntry, ParsesTheCells) {
    SimulatedClock clock;
    Display display(clock);
    key(display, GetParam().keys);
    const std::string shown = readout(display);

    EXPECT_EQ(readNumber(display, false), GetParam().value) << GetParam().keys;
    EXPECT_EQ(display.value, GetParam().value);
    // The entry ends but stays on the cells, still counted as keyed input.
    EXPECT_EQ(display.length, 0);
    EXPECT_EQ(display.pointPos, 0);
    EXPECT_EQ(display.exponentPos, 0);
    EXPECT_FALSE(display.exponentNegative);
    EXPECT_TRUE(display.entryPending);
    EXPECT_EQ(readout(display), shown);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadKeyedEntry,
    ::testing::Values(KeyedCase{"1234567", 1234567.0}, KeyedCase{"1234567.5", 1234567.5},
                      KeyedCase{".", 0.0}, KeyedCase{".25", 0.25}, KeyedCase{"E", 1.0},
                      KeyedCase{"E3", 1000.0}, KeyedCase{"12.5Es3", 0.0125}, KeyedCase{"5s", -5.0},
                      KeyedCase{"1.5E", 1.5}, KeyedCase{"1.5Es", 1.5},
                      KeyedCase{"123456789012", 123456789012.0},
                      KeyedCase{"9.99999999999", 9.99999999999}, KeyedCase{"1E456", kInfinity},
                      KeyedCase{"1sE456", -kInfinity}, KeyedCase{"1Es456", 0.0},
                      KeyedCase{"4.94Es324", 4.94e-324}));

struct ShownCase {
    double value;
    int decimals;
    double displayed;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.value << " with " << c.decimals << " decimals";
}

class ReadShownValue : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ReadShownValue, ForcedGivesTheValueAsDisplayed) {
    SimulatedClock clock;
    Display display(clock);
    display.decimals = GetParam().decimals;
    showNumber(display, GetParam().value);
    EXPECT_EQ(readNumber(display, false), GetParam().value);  // not forced: full precision
    EXPECT_EQ(readNumber(display, true), GetParam().displayed);
    EXPECT_EQ(display.value, GetParam().displayed);
}

INSTANTIATE_TEST_SUITE_P(
    Shown, ReadShownValue,
    ::testing::Values(ShownCase{2.0 / 3.0, 2, 0.67}, ShownCase{-2.0 / 3.0, 4, -0.6667},
                      ShownCase{1234567.891, 2, 1234567.89}, ShownCase{1234.56789, 9, 1234.56789},
                      ShownCase{1234.987654321, 9, 1234.98765432},
                      ShownCase{123456789012.34, 2, 123456789012.0},
                      ShownCase{1.23456789e15, 9, 1.2345679e15},
                      ShownCase{1.23456789e-15, 2, 1.23e-15}, ShownCase{9.9e-12, 2, 9.9e-12},
                      ShownCase{0.00456, 2, 0.005}, ShownCase{0.3, 0, 0.0},
                      ShownCase{999999999999.6, 0, 1e12}, ShownCase{-1e300, 2, -1e300}));

TEST(ReadNumber, WithSwappedMarksParsesTheCommaAsThePoint) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 1234.5);
    swapMarks(display);
    EXPECT_EQ(readout(display), " 1.234,50");
    EXPECT_EQ(readNumber(display, true), 1234.5);

    key(display, "9876.25");
    EXPECT_EQ(readout(display), " 9.876,25_");
    EXPECT_EQ(readNumber(display, false), 9876.25);
}

TEST(ReadNumber, WithoutEntryOrForceReturnsTheStoredValue) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 2.0 / 3.0);
    showMessage(display, u" 12345", MessageKind::Banner);
    EXPECT_EQ(readNumber(display, false), 2.0 / 3.0);
    EXPECT_TRUE(display.messageActive);
}

TEST(ReadNumber, AfterBlankingForcedGivesZeroAndKeepsTheCells) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 5.0);
    clearEntry(display, false);
    EXPECT_EQ(readNumber(display, false), 5.0);
    EXPECT_EQ(readNumber(display, true), 0.0);
    EXPECT_EQ(readout(display), "");
}

struct TextCase {
    const char* text;
    double value;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseLeadingNumber : public ::testing::TestWithParam<TextCase> {};

TEST_P(ParseLeadingNumber, TakesTheLongestLeadingNumber) {
    const double parsed = parseLeadingNumber(GetParam().text);
    EXPECT_EQ(parsed, GetParam().value) << '"' << GetParam().text << '"';
    EXPECT_EQ(std::signbit(parsed), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseLeadingNumber,
    ::testing::Values(TextCase{"", 0.0}, TextCase{"-", 0.0}, TextCase{"E5", 0.0},
                      TextCase{".", 0.0}, TextCase{"-.E", 0.0}, TextCase{"1.5E", 1.5},
                      TextCase{"1.5E-", 1.5}, TextCase{"1.5E+", 1.5}, TextCase{"1.5Ex3", 1.5},
                      TextCase{"12.5E-3", 0.0125}, TextCase{"-12.5E3", -12500.0},
                      TextCase{".5", 0.5}, TextCase{"5.", 5.0}, TextCase{"1.2.3", 1.2},
                      TextCase{"00012", 12.0}, TextCase{"1E5x", 1e5}, TextCase{"12-34", 12.0},
                      TextCase{"-0", -0.0}, TextCase{"-0.000", -0.0}, TextCase{"+7", 7.0},
                      TextCase{"0.1", 0.1}, TextCase{"1234567.89", 1234567.89}));

INSTANTIATE_TEST_SUITE_P(
    BeyondTheRange, ParseLeadingNumber,
    ::testing::Values(TextCase{"1E999", kInfinity}, TextCase{"-1E999", -kInfinity},
                      TextCase{"0.001E312", kInfinity}, TextCase{"0.0001E312", 1e308},
                      TextCase{"99999999E9999999999", kInfinity}, TextCase{"1E-999", 0.0},
                      TextCase{"-1E-999", -0.0}, TextCase{"1000E-330", 0.0},
                      TextCase{"1E-320", 1e-320},
                      TextCase{"1.7976931348623157E308", std::numeric_limits<double>::max()},
                      TextCase{"0E999", 0.0}));

}  // namespace
}  // namespace tabulor
