// Faceplate pixels on the screen and back, at every zoom and common device-pixel ratios.
#include "shell/window/zoom_geometry.h"

#include <gtest/gtest.h>

#include "faceplate/geometry.h"

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

TEST(ZoomGeometry, LargestZoomWithinAnArea) {
    const struct {
        int width;
        int height;
        double ratio;
        int zoom;
    } cases[] = {
        {1280, 1024, 1.0, 3},  // zoom 4 is 1176 high
        {1280, 882, 1.0, 3},   {1280, 881, 1.0, 2},  {960, 1176, 1.0, 4}, {959, 1176, 1.0, 3},
        {1366, 768, 1.0, 2},   {3840, 2160, 1.0, 4}, {200, 200, 1.0, 1},  {0, 0, 1.0, 1},
        {1280, 1024, 1.25, 3},  // zoom 3 draws 4 device pixels a face pixel: 768 × 941
        {1280, 940, 1.25, 2},  {1920, 1080, 2.0, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(largestZoomWithin(c.width, c.height, c.ratio), c.zoom)
            << c.width << " x " << c.height << " at " << c.ratio;
    }
}

}  // namespace
}  // namespace tabulor
