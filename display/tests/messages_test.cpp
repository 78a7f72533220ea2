// Timed messages: the glyph table, cutting and padding, expiry across the tick wrap, and the
// full-mantissa view.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "display/display.h"
#include "display/tests/display_readout.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::key;
using testing::readout;

TEST(ShowMessage, MapsCharactersThroughTheGlyphTable) {
    struct Case {
        const char16_t* text;
        const char* shown;
    };
    const Case cases[] = {
        {u" no Solutjon", " no 5oLutjon"},
        {u" OFLO", " 0FL0"},
        {u" 12  P_YR", " 12  P_YR"},
        {u" abcdefghijkl", " AbCdEF9Hij L"},      // k has no glyph
        {u" JKMQVWXZ", ""},                       // none of these has one
        {u"-1.5,2", "-1 5 2"},                    // point and comma show blank: no marks in a text
        {u" ABCDEFGHIJKLMNOP", " AbCdEF9H1  L"},  // cut after cell 12
        {u"", ""},
    };
    for (const Case& c : cases) {
        SimulatedClock clock;
        Display display(clock);
        showMessage(display, c.text, MessageKind::Banner);
        EXPECT_EQ(readout(display), c.shown);
        for (const MarkCode mark : display.marks)
            EXPECT_EQ(mark, MarkCode::None);
    }
}

TEST(ShowMessage, LeavesTheValueAndEntryStateAlone) {
    SimulatedClock clock(1234);
    Display display(clock);
    showNumber(display, 1234.5);
    key(display, "56.7");
    showMessage(display, u" HI", MessageKind::Banner);
    EXPECT_EQ(readout(display), " H1");  // I shows as a one
    EXPECT_TRUE(display.messageActive);
    EXPECT_EQ(display.messageTime, 1234u);
    EXPECT_EQ(display.value, 1234.5);
    EXPECT_TRUE(display.entryPending);
    EXPECT_EQ(display.length, 3);
    EXPECT_EQ(display.pointPos, 2);
}

TEST(ShowMessage, LeavesTheHiddenCellsAlone) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "123456789012E");
    showMessage(display, u" HI", MessageKind::Banner);
    EXPECT_EQ(display.cells[13], Glyph::Exponent);
    EXPECT_EQ(display.cells[14], Glyph::Cursor);
}

struct ExpiryCase {
    std::uint32_t shownAt;
    std::uint32_t elapsed;
    bool expired;
};

void PrintTo(const ExpiryCase& c, std::ostream* os) {
    *os << "shown at " << c.shownAt << ", " << c.elapsed << " ms later";
}

class ExpireMessage : public ::testing::TestWithParam<ExpiryCase> {};

TEST_P(ExpireMessage, EndsMoreThan2000MillisecondsAfterTheMessage) {
    SimulatedClock clock(GetParam().shownAt);
    Display display(clock);
    showNumber(display, 42.0);
    showMessage(display, u" HELP", MessageKind::Banner);
    clock.advance(GetParam().elapsed);

    EXPECT_EQ(expireMessage(display), GetParam().expired);
    EXPECT_EQ(display.messageActive, !GetParam().expired);
    EXPECT_EQ(readout(display), GetParam().expired ? " 42.00" : " HELP");
}

constexpr std::uint32_t kLastTick = std::numeric_limits<std::uint32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Ticks, ExpireMessage,
    ::testing::Values(ExpiryCase{1000, 0, false}, ExpiryCase{1000, 1999, false},
                      ExpiryCase{1000, 2000, false}, ExpiryCase{1000, 2001, true},
                      ExpiryCase{1000, 2500, true},
                      // Shown just before the 32-bit tick count wraps to 0.
                      ExpiryCase{kLastTick - 500, 2000, false},
                      ExpiryCase{kLastTick - 500, 2001, true}, ExpiryCase{kLastTick, 2000, false},
                      ExpiryCase{kLastTick, 2001, true}, ExpiryCase{kLastTick - 2000, 2000, false},
                      ExpiryCase{kLastTick - 2000, 2001, true}));

TEST(ExpireMessageOnce, ReportsOnlyTheFirstExpiry) {
    SimulatedClock clock;
    Display display(clock);
    EXPECT_FALSE(expireMessage(display));  // no message at all
    showMessage(display, u" HI", MessageKind::Banner);
    clock.advance(3000);
    EXPECT_TRUE(expireMessage(display));
    EXPECT_FALSE(expireMessage(display));
    EXPECT_EQ(readout(display), " 0.00");
}

TEST(ExpireMessageOnce, ShowsTheValueInTheFormatOfThatMoment) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 2.0 / 3.0);
    showMessage(display, u" HI", MessageKind::Banner);
    display.decimals = 4;
    clock.advance(2001);
    EXPECT_TRUE(expireMessage(display));
    EXPECT_EQ(readout(display), " 0.6667");
    EXPECT_EQ(display.value, 2.0 / 3.0);
}

TEST(ShowFullMantissa, ShowsThirteenRoundedDigitsWithoutPoint) {
    struct Case {
        double value;
        const char* shown;
    };
    const Case cases[] = {
        {2.0 / 3.0, " 666666666666"},
        {1234.5, " 123450000000"},
        {-2.0 / 3.0, "-666666666666"},
        {0.0, " 000000000000"},
        {-1e300, "-100000000000"},
        {1.5e-200, " 150000000000"},
        // Rounding to 13 digits carries through every nine.
        {0.9999999999999996, " 100000000000"},
    };
    for (const Case& c : cases) {
        SimulatedClock clock;
        Display display(clock);
        showNumber(display, c.value);
        showFullMantissa(display);
        EXPECT_EQ(readout(display), c.shown) << c.value;
        EXPECT_TRUE(display.messageActive);
        EXPECT_EQ(display.value, c.value);
    }
}

TEST(ShowFullMantissa, ReturnsToTheFormattedValueAfterTheMessage) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 2.0 / 3.0);
    showFullMantissa(display);
    EXPECT_EQ(readNumber(display, false), 2.0 / 3.0);
    clock.advance(2001);
    EXPECT_TRUE(expireMessage(display));
    EXPECT_EQ(readout(display), " 0.67");
}

TEST(ShowFullMantissa, DuringAnEntryShowsTheValueAndEndsTheEntry) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 2.0 / 3.0);
    key(display, "12.5");
    showFullMantissa(display);
    EXPECT_EQ(readout(display), " 666666666666");
    EXPECT_EQ(display.length, 0);
    EXPECT_EQ(display.pointPos, 0);
    // What the view shows is what the calculator takes while it is on.
    EXPECT_EQ(readNumber(display, false), 2.0 / 3.0);
    key(display, "5");
    EXPECT_EQ(readout(display), " 5_");
}

TEST(ShowFullMantissa, OfValuesWithoutDigitsShowsTheirText) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "1E456");
    ASSERT_EQ(readNumber(display, false), std::numeric_limits<double>::infinity());
    showFullMantissa(display);
    EXPECT_EQ(readout(display), " 0FL0");

    showNumber(display, std::numeric_limits<double>::quiet_NaN());
    showFullMantissa(display);
    EXPECT_EQ(readout(display), " nAn");
    EXPECT_TRUE(display.messageActive);
}

}  // namespace
}  // namespace tabulor
