// The marks of the larger scales are drawn from shapes; sampled at scale 1 they must take the
// very pixels the program sets for them, or a larger scale would show another mark.
#include "display_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "faceplate/geometry.h"

namespace tabulor::facegen {
namespace {

TEST(DisplayShapes, MarksSampledAtScaleOneAreTheProgramsPixels) {
    const Rect box = faceplate::kMarkRect;
    for (const MarkCode mark : {MarkCode::Point, MarkCode::Comma}) {
        std::vector<Point> expected(faceplate::kPointPixels.begin(), faceplate::kPointPixels.end());
        if (mark == MarkCode::Comma) {
            expected.insert(expected.end(), faceplate::kCommaTailPixels.begin(),
                            faceplate::kCommaTailPixels.end());
        }
        // A ring of pixels around the box too: nothing may stray out of it.
        for (int y = box.top - 1; y <= box.bottom; ++y) {
            for (int x = box.left - 1; x <= box.right; ++x) {
                const bool lit = std::any_of(expected.begin(), expected.end(),
                                             [&](Point p) { return p.x == x && p.y == y; });
                const auto inside = [&](double u, double v) {
                    return markCovers(mark, u + x, v + y);
                };
                EXPECT_EQ(shapeCoverage(inside, 0, 0, 1), lit ? 1.0 : 0.0)
                    << "mark " << static_cast<int>(mark) << " at " << x << "," << y;
                // At a larger scale no ink strays out of the box.
                if (contains(box, x, y)) continue;
                for (int row = 0; row < 4; ++row) {
                    for (int column = 0; column < 4; ++column)
                        EXPECT_EQ(shapeCoverage(inside, column, row, 4), 0.0) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tabulor::facegen
