#include "display/cell_access.h"

#include <gtest/gtest.h>

#include "platform/simulated_services.h"

namespace tabulor {
namespace {

TEST(CellAccess, ReadsOutsideTheStorageAreBlank) {
    SimulatedClock clock(0);
    Display display(clock);
    setCell(display, kCellStorage - 1, Glyph{7});
    setMark(display, kCellStorage - 1, MarkCode::Comma);
    EXPECT_EQ(cellAt(display, kCellStorage - 1), Glyph{7});
    EXPECT_EQ(markAt(display, kCellStorage - 1), MarkCode::Comma);
    for (const int index : {-1, kCellStorage, kCellStorage + 100}) {
        EXPECT_EQ(cellAt(display, index), Glyph::Blank) << index;
        EXPECT_EQ(markAt(display, index), MarkCode::None) << index;
    }
}

// A write past the arrays is a fault in the position arithmetic: checked builds stop on it, and
// a release build drops it without touching anything else.
TEST(CellAccessDeathTest, WritesOutsideTheStorageStopCheckedBuilds) {
    SimulatedClock clock(0);
    Display display(clock);
    const auto cells = display.cells;
    const auto marks = display.marks;
    EXPECT_DEBUG_DEATH(setCell(display, kCellStorage, Glyph{8}), "outside the display's storage");
    EXPECT_DEBUG_DEATH(setMark(display, -1, MarkCode::Point), "outside the display's storage");
    EXPECT_EQ(display.cells, cells);
    EXPECT_EQ(display.marks, marks);
}

}  // namespace
}  // namespace tabulor
