// Faceplate pixels on the screen and back, at every zoom and common device-pixel ratios.
#include "shell/app/zoom_geometry.h"

#include <gtest/gtest.h>

#include "shell/faceplate/faceplate_layout.h"

namespace tabulor {
namespace {

TEST(ZoomGeometry, ScaleIsTheZoomInWholeDevicePixels) {
    const struct {
        int zoom;
        double ratio;
        int scale;
    } cases[] = {{1, 1.0, 1}, {3, 1.0, 3}, {1, 1.25, 1}, {2, 1.25, 3}, {1, 1.5, 2},
                 {3, 1.5, 5}, {2, 2.0, 4}, {4, 1.75, 7}, {1, 0.5, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ((ZoomGeometry{c.zoom, c.ratio}.scale()), c.scale) << c.zoom << " " << c.ratio;
    }
}

TEST(ZoomGeometry, EveryScreenPixelMapsBackToItsFaceplatePixel) {
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (int zoom = 1; zoom <= 4; ++zoom) {
            const ZoomGeometry geometry{zoom, ratio};
            const int scale = geometry.scale();
            SCOPED_TRACE(::testing::Message() << "zoom " << zoom << " ratio " << ratio);
            EXPECT_GE(geometry.logicalWidth() * ratio, faceplate::kWidth * scale - 1e-9);
            EXPECT_LT((geometry.logicalWidth() - 1) * ratio, faceplate::kWidth * scale);
            for (int device = 0; device < faceplate::kHeight * scale; ++device) {
                // The centre of each device pixel, in logical coordinates.
                const double logical = (device + 0.5) / ratio;
                ASSERT_EQ(geometry.faceplateCoordinate(logical), device / scale) << device;
            }
        }
    }
}

TEST(ZoomGeometry, RectanglesCoverEachOther) {
    const Rect keypad = faceplate::kKeypadRect;
    for (const double ratio : {1.0, 1.5, 2.0}) {
        for (int zoom = 1; zoom <= 4; ++zoom) {
            const ZoomGeometry geometry{zoom, ratio};
            const Rect logical = geometry.logicalRect(keypad);
            const Rect back = geometry.faceplateRect(logical);
            EXPECT_LE(back.left, keypad.left);
            EXPECT_LE(back.top, keypad.top);
            EXPECT_GE(back.right, keypad.right);
            EXPECT_GE(back.bottom, keypad.bottom);
            // Never more than one faceplate pixel wider on a side.
            EXPECT_GE(back.left, keypad.left - 1);
            EXPECT_LE(back.right, keypad.right + 1);
        }
    }
    const ZoomGeometry three{3, 1.0};
    const Rect logical = three.logicalRect(keypad);
    EXPECT_EQ(logical.left, 9);
    EXPECT_EQ(logical.bottom, 873);
}

}  // namespace
}  // namespace tabulor
