#include "display/display_text.h"

#include <gtest/gtest.h>

#include <string_view>

#include "platform/simulated_services.h"

namespace tabulor {
namespace {

// Cells from a picture of them, each character as a message shows it; marks from a second
// picture where '.' is code 1, ',' code 2 and anything else none, one column per cell.
void setCells(Display& display, std::string_view cells, std::string_view marks = "") {
    display.cells.fill(Glyph::Blank);
    display.marks.fill(MarkCode::None);
    for (std::size_t i = 0; i < cells.size(); ++i)
        display.cells[i] = glyphForCharacter(cells[i]);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] == '.') display.marks[i] = MarkCode::Point;
        if (marks[i] == ',') display.marks[i] = MarkCode::Comma;
    }
}

class DisplayLineTest : public testing::Test {
  protected:
    SimulatedClock clock;
    Display display{clock};
};

TEST_F(DisplayLineTest, CellsWithTheirMarks) {
    struct Case {
        std::string_view cells;
        std::string_view marks;
        std::string_view line;
    };
    const Case cases[] = {
        {" 000", " .", " 0.00"},
        {" 1234567_", " ,  ,", " 1,234,567_"},
        {" 12345675_", " ,  ,  .", " 1,234,567.5_"},
        // The other way round after ./,: code 1 is drawn as a point wherever it stands.
        {" 123450", " .  ,", " 1.234,50"},
        {"-500", " .", "-5.00"},
        {" 1E456_", "", " 1E456_"},
        {" 5E-012", " .", " 5.E-012"},
        // A point after the last shown cell, behind a full row of digits.
        {" 123456789012", "   ,  ,  ,  .", " 123,456,789,012."},
        // Trailing blanks go; blanks inside stay.
        {" 12  P_YR   ", "", " 12  P_YR"},
        {"", "", ""},
        {"             ", "", ""},
        // A mark on a blank cell keeps the blanks before it.
        {" 1   ", " ,  .", " 1,   ."},
    };
    for (const Case& c : cases) {
        setCells(display, c.cells, c.marks);
        EXPECT_EQ(cellText(display), c.line) << c.cells;
        EXPECT_EQ(displayLine(display), c.line) << c.cells;
    }
}

TEST_F(DisplayLineTest, OnlyThirteenCellsAreShown) {
    setCells(display, " 1234567890125", "             .,");
    display.cells[15] = Glyph::Cursor;
    EXPECT_EQ(displayLine(display), " 123456789012");
}

TEST_F(DisplayLineTest, AnnunciatorsInTheirOrder) {
    setCells(display, " 000", " .");
    struct Case {
        bool shift, pend, begin, battery;
        ErrorCode error;
        std::string_view line;
    };
    const Case cases[] = {
        {false, false, false, false, ErrorCode::None, " 0.00"},
        {true, false, false, false, ErrorCode::None, " 0.00  [SHIFT]"},
        {false, true, false, true, ErrorCode::None, " 0.00  [PEND BAT]"},
        {false, false, true, false, ErrorCode::Tvm, " 0.00  [BEGIN ERROR TVM]"},
        {true, true, true, true, ErrorCode::Full, " 0.00  [SHIFT PEND BEGIN BAT ERROR FULL]"},
        {false, false, false, false, ErrorCode::StatError, " 0.00  [ERROR STAT]"},
        {false, false, false, false, ErrorCode::Func, " 0.00  [ERROR FUNC]"},
        {false, false, false, false, ErrorCode::Stat, " 0.00  [STAT]"},
    };
    for (const Case& c : cases) {
        display.shiftShown = c.shift;
        display.pendShown = c.pend;
        display.beginMode = c.begin;
        display.lowBattery = c.battery;
        display.error = c.error;
        EXPECT_EQ(displayLine(display), c.line);
    }
}

TEST_F(DisplayLineTest, AnnunciatorsOnABlankDisplay) {
    setCells(display, "");
    display.lowBattery = true;
    EXPECT_EQ(displayLine(display), "  [BAT]");
    EXPECT_EQ(cellText(display), "");
    EXPECT_EQ(annunciatorNames(display), std::vector<std::string>{"BAT"});
}

}  // namespace
}  // namespace tabulor
