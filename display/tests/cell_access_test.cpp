#include "display/cell_access.h"

#include <gtest/gtest.h>

#include "platform/simulated_services.h"

namespace tabulor {
namespace {

TEST(CellAccess, ReadsOutsideTheStorageAreBlank) {
    SimulatedClock clock(0);
    Display display(clock);
    setCell(display, kCellStorage - 1, 7);
    setMark(display, kCellStorage - 1, Mark::Comma);
    EXPECT_EQ(cellAt(display, kCellStorage - 1), 7);
    EXPECT_EQ(markAt(display, kCellStorage - 1), Mark::Comma);
    for (const int index : {-1, kCellStorage, kCellStorage + 100}) {
        EXPECT_EQ(cellAt(display, index), GlyphIndex::Blank) << index;
        EXPECT_EQ(markAt(display, index), Mark::None) << index;
    }
}

// A write past the arrays is a fault in the position arithmetic: checked builds stop on it, and
// a release build drops it without touching anything else.
TEST(CellAccessDeathTest, WritesOutsideTheStorageStopCheckedBuilds) {
    SimulatedClock clock(0);
    Display display(clock);
    const auto cells = display.cells;
    const auto marks = display.marks;
    EXPECT_DEBUG_DEATH(setCell(display, kCellStorage, 8), "outside the display's storage");
    EXPECT_DEBUG_DEATH(setMark(display, -1, Mark::Point), "outside the display's storage");
    EXPECT_EQ(display.cells, cells);
    EXPECT_EQ(display.marks, marks);
}

}  // namespace
}  // namespace tabulor
