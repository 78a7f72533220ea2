// Values into cells: the choice of notation at its boundaries, precisions, exponents, grouping,
// overflow, negative zero and values that are not numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "display/display.h"
#include "display/tests/display_readout.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::readout;

struct FormatCase {
    double value;
    int decimals;
    const char* shown;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " with " << c.decimals << " decimals";
}

class ShowNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ShowNumber, WritesTheFormattedValue) {
    SimulatedClock clock;
    Display display(clock);
    display.decimals = GetParam().decimals;
    showNumber(display, GetParam().value);
    EXPECT_EQ(readout(display), GetParam().shown);
    EXPECT_EQ(display.value, GetParam().value);
    EXPECT_FALSE(display.entryPending);
    EXPECT_EQ(display.length, 0);
    EXPECT_EQ(display.pointPos, 0);
    EXPECT_EQ(display.exponentPos, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, ShowNumber,
    ::testing::Values(FormatCase{1234567.891, 2, " 1,234,567.89"}, FormatCase{-0.5, 2, "-0.50"},
                      FormatCase{0.0, 2, " 0.00"}, FormatCase{0.0, 0, " 0"},
                      FormatCase{0.0, 9, " 0.000000000"}, FormatCase{-0.3, 0, "-0"},
                      FormatCase{0.3, 0, " 0"}, FormatCase{2.5, 0, " 3"},
                      FormatCase{1234567890.12, 2, " 1,234,567,890.12"},
                      // Only eight of nine decimals fit behind four integer digits.
                      FormatCase{1234.5, 9, " 1,234.50000000"},
                      FormatCase{-987654.321, 1, "-987,654.3"}));

INSTANTIATE_TEST_SUITE_P(
    SmallValuesWidenToTheirFirstDigit, ShowNumber,
    ::testing::Values(FormatCase{0.004, 2, " 0.004"}, FormatCase{0.005, 2, " 0.005"},
                      FormatCase{0.005, 3, " 0.005"}, FormatCase{0.005, 4, " 0.0050"},
                      FormatCase{0.000123, 2, " 0.0001"}, FormatCase{-0.00056, 1, "-0.0006"},
                      FormatCase{1.2e-11, 2, " 0.00000000001"},
                      FormatCase{1e-11, 2, " 0.00000000001"},
                      FormatCase{1e-11, 9, " 0.00000000001"}));

INSTANTIATE_TEST_SUITE_P(
    LargeBoundary, ShowNumber,
    ::testing::Values(
        FormatCase{123456789012.34, 2, " 123,456,789,012."},
        FormatCase{999999999999.4, 2, " 999,999,999,999."},
        FormatCase{999999999999.96, 2, " 1.00E12"}, FormatCase{1e12, 2, " 1.00E12"},
        FormatCase{-1e12, 0, "-1E12"}, FormatCase{999999999999.4, 0, " 999,999,999,999"},
        // Rounded to 13 digits this keeps 12 integer digits, but printed without decimals it
        // would need 13 cells: it shows in scientific notation instead of losing a digit.
        FormatCase{999999999999.6, 0, " 1E12"}, FormatCase{-999999999999.5, 0, "-1E12"},
        FormatCase{999999999999.6, 9, " 999,999,999,999."}));

INSTANTIATE_TEST_SUITE_P(SmallBoundary, ShowNumber,
                         ::testing::Values(FormatCase{9.9e-12, 2, " 9.90E-012"},
                                           FormatCase{9.99e-12, 2, " 9.99E-012"},
                                           FormatCase{5e-12, 2, " 5.00E-012"},
                                           FormatCase{3e-13, 0, " 3E-013"},
                                           FormatCase{-1.5e-100, 2, "-1.50E-100"},
                                           FormatCase{4.9406564584124654e-324, 2, " 4.94E-324"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, ShowNumber,
    ::testing::Values(FormatCase{1.23e13, 2, " 1.23E13"}, FormatCase{1e100, 2, " 1.00E100"},
                      FormatCase{1e300, 2, " 1.00E300"}, FormatCase{-1e300, 2, "-1.00E300"},
                      FormatCase{1.23456789e15, 9, " 1.2345679E15"},
                      FormatCase{1.23456789e-15, 9, " 1.234568E-015"},
                      FormatCase{-1.23456789e300, 9, "-1.2345679E300"},
                      FormatCase{-1.23456789e-100, 9, "-1.234568E-100"},
                      FormatCase{1.23456789e15, 0, " 1E15"},
                      FormatCase{std::numeric_limits<double>::max(), 3, " 1.798E308"}));

TEST(ShowNumberText, PrintsThreeExponentDigitsIntoTheWorkspace) {
    struct Case {
        double value;
        std::u16string printed;
    };
    const Case cases[] = {{1.23e13, u"1.23e+013"},
                          {5e-12, u"5.00e-012"},
                          {1e300, u"1.00e+300"},
                          {1234.5, u"1234.50"}};
    for (const Case& c : cases) {
        SimulatedClock clock;
        Display display(clock);
        showNumber(display, c.value);
        EXPECT_EQ(std::u16string(display.text.data()), c.printed) << c.value;
    }
}

TEST(ShowNumber, NegativeZeroShowsAndStoresPlusZero) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, -0.0);
    EXPECT_EQ(readout(display), " 0.00");
    EXPECT_EQ(display.value, 0.0);
    EXPECT_FALSE(std::signbit(display.value));
}

TEST(ShowNumber, UsesTheCurrentMarks) {
    SimulatedClock clock;
    Display display(clock);
    swapMarks(display);
    showNumber(display, 1234567.5);
    EXPECT_EQ(readout(display), " 1.234.567,50");
}

TEST(ShowNumber, EndsAnEntryAndAMessage) {
    SimulatedClock clock;
    Display display(clock);
    testing::key(display, "12.5Es3");
    showMessage(display, u" HI", MessageKind::Banner);
    showNumber(display, 8.0);
    EXPECT_EQ(readout(display), " 8.00");
    EXPECT_FALSE(display.messageActive);
    EXPECT_FALSE(display.entryPending);
    EXPECT_FALSE(display.exponentNegative);
}

TEST(ShowNumber, InfinityIsAnOverflowMessage) {
    struct Case {
        double value;
        double stored;
        const char* shownAfter;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {{infinity, 1e300, " 1.00E300"}, {-infinity, -1e300, "-1.00E300"}};
    for (const Case& c : cases) {
        SimulatedClock clock(100);
        Display display(clock);
        testing::key(display, "12");
        showNumber(display, c.value);
        EXPECT_EQ(readout(display), " 0FL0");  // no minus, whatever the sign
        EXPECT_EQ(display.value, c.stored);
        EXPECT_TRUE(display.messageActive);
        EXPECT_EQ(display.messageTime, 100u);
        EXPECT_FALSE(display.entryPending);
        EXPECT_EQ(display.length, 0);

        clock.advance(2001);
        EXPECT_TRUE(expireMessage(display));
        EXPECT_EQ(readout(display), c.shownAfter);
    }
}

TEST(ShowNumber, NotANumberSpellsItOutAndKeepsTheValue) {
    SimulatedClock clock;
    Display display(clock);
    testing::key(display, "1.5");
    showNumber(display, std::nan(""));
    EXPECT_EQ(readout(display), " nAn");
    EXPECT_TRUE(std::isnan(display.value));
    EXPECT_FALSE(display.messageActive);
    EXPECT_FALSE(display.entryPending);
    EXPECT_EQ(display.length, 0);
    EXPECT_TRUE(std::isnan(readNumber(display, false)));
    EXPECT_TRUE(std::isnan(readNumber(display, true)));
    changeSign(display);  // no sign to change
    EXPECT_EQ(readout(display), " nAn");
    EXPECT_FALSE(display.entryPending);

    showNumber(display, -std::nan(""));
    EXPECT_EQ(readout(display), " nAn");
}

}  // namespace
}  // namespace tabulor
