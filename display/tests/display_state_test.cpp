// Creation, clearing, the number of decimals and the exchange of the marks.
#include <gtest/gtest.h>

#include <cstddef>

#include "display/display.h"
#include "display/tests/display_readout.h"
#include "platform/simulated_services.h"

namespace tabulor {
namespace {

using testing::key;
using testing::readout;

TEST(Creation, ShowsZeroWithTwoDecimals) {
    SimulatedClock clock(77);
    const Display display(clock);
    EXPECT_EQ(readout(display), " 0.00");
    EXPECT_EQ(display.cells[1], Glyph{0});
    EXPECT_EQ(display.marks[1], MarkCode::Point);
    EXPECT_EQ(display.decimalMark, MarkCode::Point);
    EXPECT_EQ(display.groupMark, MarkCode::Comma);
    EXPECT_EQ(display.decimals, 2);
    EXPECT_EQ(display.value, 0.0);
    EXPECT_FALSE(display.shiftShown || display.pendShown || display.beginMode ||
                 display.lowBattery);
    EXPECT_EQ(display.error, ErrorCode::None);
    EXPECT_FALSE(display.entryPending);
    EXPECT_FALSE(display.messageActive);
    EXPECT_EQ(display.length, 0);
    EXPECT_EQ(display.messageTime, 0u);
    for (int i = kShownCells; i < kCellStorage; ++i) {
        EXPECT_EQ(display.cells[static_cast<std::size_t>(i)], Glyph::Blank);
    }
}

TEST(ClearEntry, DuringAnEntryKeepsPendAndOtherwiseTurnsItOff) {
    struct Case {
        const char* keys;
        bool pendAfter;
    };
    const Case cases[] = {{"12", true}, {"", false}};
    for (const Case& c : cases) {
        SimulatedClock clock;
        Display display(clock);
        showNumber(display, 9.0);
        key(display, c.keys);
        display.pendShown = true;
        display.shiftShown = true;
        display.error = ErrorCode::Full;
        clearEntry(display, true);
        EXPECT_EQ(display.pendShown, c.pendAfter) << c.keys;
        EXPECT_FALSE(display.shiftShown);
        EXPECT_EQ(display.error, ErrorCode::None);
        EXPECT_FALSE(display.entryPending);
        EXPECT_EQ(display.value, 0.0);
        EXPECT_EQ(readout(display), " 0.00");
    }
}

TEST(ClearEntry, WithoutZeroBlanksTheCellsAndKeepsTheValue) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 5.0);
    key(display, "1.5Es3");
    clearEntry(display, false);
    EXPECT_EQ(readout(display), "");
    EXPECT_EQ(display.value, 5.0);
    EXPECT_EQ(display.length, 0);
    EXPECT_EQ(display.pointPos, 0);
    EXPECT_EQ(display.exponentPos, 0);
    EXPECT_FALSE(display.exponentNegative);
    EXPECT_EQ(display.text[0], u'\0');
    for (const MarkCode mark : display.marks)
        EXPECT_EQ(mark, MarkCode::None);
}

TEST(ClearEntry, EndsAMessage) {
    SimulatedClock clock;
    Display display(clock);
    showMessage(display, u" HI", MessageKind::Banner);
    clearEntry(display, true);
    EXPECT_FALSE(display.messageActive);
    clock.advance(5000);
    EXPECT_FALSE(expireMessage(display));
    EXPECT_EQ(readout(display), " 0.00");
}

TEST(ClearEntry, ShowsZeroInTheCurrentFormat) {
    SimulatedClock clock;
    Display display(clock);
    display.decimals = 0;
    swapMarks(display);
    clearEntry(display, true);
    EXPECT_EQ(readout(display), " 0");
    display.decimals = 4;
    clearEntry(display, true);
    EXPECT_EQ(readout(display), " 0,0000");
}

TEST(SetDecimals, EndsTheEntryAndShowsItAgain) {
    struct Case {
        const char* keys;
        int decimals;
        const char* shown;
        double value;
    };
    const Case cases[] = {
        {"1234.5678", 3, " 1,234.568", 1234.5678},
        {"1234.5678", 0, " 1,235", 1234.5678},
        {"2s", 9, "-2.000000000", -2.0},
        {"1E15", 9, " 1.0000000E15", 1e15},
        {"", 5, " 0.00000", 0.0},
    };
    for (const Case& c : cases) {
        SimulatedClock clock;
        Display display(clock);
        key(display, c.keys);
        setDecimals(display, c.decimals);
        EXPECT_EQ(display.decimals, c.decimals);
        EXPECT_EQ(readout(display), c.shown) << c.keys;
        EXPECT_EQ(display.value, c.value) << c.keys;
        EXPECT_FALSE(display.entryPending);
    }
}

TEST(SetDecimals, ReshowsTheStoredValueAtFullPrecision) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 2.0 / 3.0);
    setDecimals(display, 0);
    EXPECT_EQ(readout(display), " 1");
    setDecimals(display, 6);
    EXPECT_EQ(readout(display), " 0.666667");
    EXPECT_EQ(display.value, 2.0 / 3.0);
}

TEST(SetDecimals, HoldsOutOfRangeCountsToTheDigits) {
    SimulatedClock clock;
    Display display(clock);
    setDecimals(display, 15);
    EXPECT_EQ(display.decimals, 9);
    setDecimals(display, -3);
    EXPECT_EQ(display.decimals, 0);
    EXPECT_EQ(readout(display), " 0");
}

TEST(SwapMarks, ExchangesTheMarksOnTheCellsAndForLaterNumbers) {
    SimulatedClock clock;
    Display display(clock);
    showNumber(display, 1234.5);
    swapMarks(display);
    EXPECT_EQ(display.decimalMark, MarkCode::Comma);
    EXPECT_EQ(display.groupMark, MarkCode::Point);
    EXPECT_EQ(readout(display), " 1.234,50");
    EXPECT_EQ(display.value, 1234.5);
    EXPECT_FALSE(display.entryPending);

    key(display, "1234567.5");
    EXPECT_EQ(readout(display), " 1.234.567,5_");

    swapMarks(display);
    EXPECT_EQ(readout(display), " 1,234,567.5_");
    EXPECT_EQ(readNumber(display, false), 1234567.5);
}

TEST(SwapMarks, ExchangesAPointInTheLastMark) {
    SimulatedClock clock;
    Display display(clock);
    key(display, "123456789012.");
    swapMarks(display);
    EXPECT_EQ(readout(display), " 123.456.789.012,");
    EXPECT_EQ(display.length, 12);
    EXPECT_EQ(display.pointPos, 12);
    EXPECT_EQ(readNumber(display, false), 123456789012.0);
}

TEST(SwapMarks, LeavesAMessageOn) {
    SimulatedClock clock;
    Display display(clock);
    showMessage(display, u" HI", MessageKind::Banner);
    swapMarks(display);
    EXPECT_TRUE(display.messageActive);
    EXPECT_EQ(readout(display), " H1");
}

}  // namespace
}  // namespace tabulor
