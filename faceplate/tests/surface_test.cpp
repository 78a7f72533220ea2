// The in-memory surface's copy and clip rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faceplate/tests/faceplate_fixture.h"

namespace tabulor::testing {
namespace {

// A small 8-bit image whose pixel (x, y) has index 10 + x + 4y, colour (index, 2·index, 0).
Image makeTestImage() {
    constexpr std::int32_t kW = 3;
    constexpr std::int32_t kH = 2;
    Image image;
    image.bytes.assign(40 + 1024 + 4 * kH, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k)
            image.bytes[at + k] = static_cast<std::uint8_t>(v >> 8 * k);
    };
    put32(0, 40);
    put32(4, kW);
    put32(8, kH);
    image.bytes[12] = 1;
    image.bytes[14] = 8;
    for (int i = 0; i < 256; ++i) {
        image.bytes[40 + 4 * i + 1] = static_cast<std::uint8_t>(2 * i);  // green
        image.bytes[40 + 4 * i + 2] = static_cast<std::uint8_t>(i);      // red
    }
    for (std::int32_t y = 0; y < kH; ++y) {
        for (std::int32_t x = 0; x < kW; ++x) {
            const std::size_t row = static_cast<std::size_t>(kH - 1 - y);  // bottom-up
            image.bytes[1064 + row * 4 + x] = static_cast<std::uint8_t>(10 + x + 4 * y);
        }
    }
    return image;
}

Colour testColour(std::int32_t x, std::int32_t y) {
    const int index = 10 + x + 4 * y;
    return {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(2 * index), 0};
}

constexpr Colour kBackground{9, 9, 9};

TEST(RgbSurface, CopiesFromTheSourcePointWithTheDestinationsSize) {
    const Image image = makeTestImage();
    RgbSurface surface(6, 5, kBackground);
    surface.copyImage({2, 1, 4, 3}, image, {1, 0});
    for (std::int32_t y = 0; y < 5; ++y) {
        for (std::int32_t x = 0; x < 6; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 1 && y < 3;
            const Colour wanted = inside ? testColour(x - 2 + 1, y - 1) : kBackground;
            EXPECT_EQ(surface.pixel(x, y), wanted) << x << "," << y;
        }
    }
}

TEST(RgbSurface, SkipsWhatLiesOutsideTheImageTheSurfaceOrTheClip) {
    const Image image = makeTestImage();
    struct Case {
        const char* name;
        Rect destination;
        Point source;
        Rect clip;
        int copied;
    };
    const std::vector<Case> cases{
        {"whole image", {0, 0, 3, 2}, {0, 0}, {0, 0, 4, 4}, 6},
        {"larger than the image", {0, 0, 4, 4}, {0, 0}, {0, 0, 4, 4}, 6},
        {"source off the left", {0, 0, 3, 2}, {-2, 0}, {0, 0, 4, 4}, 2},
        {"partly off the surface", {2, 3, 5, 5}, {0, 0}, {0, 0, 4, 4}, 2},
        {"clipped", {0, 0, 3, 2}, {0, 0}, {1, 1, 4, 4}, 2},
        {"far away", {-2000000000, 0, 2000000000, 2}, {0, 0}, {0, 0, 4, 4}, 0},
        {"empty destination", {2, 2, 2, 2}, {0, 0}, {0, 0, 4, 4}, 0},
    };
    for (const Case& c : cases) {
        RgbSurface surface(4, 4, kBackground);
        surface.setClip(c.clip);
        surface.copyImage(c.destination, image, c.source);
        int copied = 0;
        for (std::int32_t y = 0; y < 4; ++y) {
            for (std::int32_t x = 0; x < 4; ++x)
                copied += surface.pixel(x, y) != kBackground;
        }
        EXPECT_EQ(copied, c.copied) << c.name;
    }
}

TEST(RgbSurface, IgnoresImagesItCannotRead) {
    Image truncated = makeTestImage();
    truncated.bytes.resize(1064 + 4);  // one row short
    Image fourBit = makeTestImage();
    fourBit.bytes[14] = 4;
    for (const Image* image : {&truncated, &fourBit}) {
        RgbSurface surface(3, 2, kBackground);
        surface.copyImage({0, 0, 3, 2}, *image, {0, 0});
        EXPECT_EQ(surface.pixel(0, 0), kBackground);
        EXPECT_EQ(surface.pixel(2, 1), kBackground);
    }
}

TEST(RgbSurface, SetPixelHonoursTheClip) {
    RgbSurface surface(4, 4, kBackground);
    surface.setClip({1, 1, 3, 3});
    surface.setPixel(0, 0, kWhite);
    surface.setPixel(2, 2, kWhite);
    surface.setPixel(3, 2, kWhite);
    surface.setPixel(-1, 9, kWhite);
    EXPECT_EQ(surface.pixel(0, 0), kBackground);
    EXPECT_EQ(surface.pixel(2, 2), kWhite);
    EXPECT_EQ(surface.pixel(3, 2), kBackground);
}

}  // namespace
}  // namespace tabulor::testing
