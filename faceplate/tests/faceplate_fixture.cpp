#include "faceplate/tests/faceplate_fixture.h"

#include <sstream>

namespace tabulor::testing {

namespace {

std::string describe(std::int32_t x, std::int32_t y, Colour got, Colour wanted) {
    std::ostringstream text;
    text << "(" << x << "," << y << ") is " << int{got.red} << "," << int{got.green} << ","
         << int{got.blue} << " not " << int{wanted.red} << "," << int{wanted.green} << ","
         << int{wanted.blue};
    return text.str();
}

bool inside(const Rect& rect, std::int32_t x, std::int32_t y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

Colour imageColour(const Image& image, std::int32_t x, std::int32_t y) {
    const PaletteEntry entry = tableColour(image, pixelIndex(image, x, y));
    return {entry.red, entry.green, entry.blue};
}

std::vector<std::string> differencesFromImage(const RgbSurface& surface, const Rect& rect,
                                              const Image& image, Point source) {
    std::vector<std::string> found;
    for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
        for (std::int32_t x = rect.left; x < rect.right; ++x) {
            const Colour wanted =
                imageColour(image, source.x + x - rect.left, source.y + y - rect.top);
            const Colour got = surface.pixel(x, y);
            if (got != wanted) found.push_back(describe(x, y, got, wanted));
        }
    }
    return found;
}

std::vector<std::string> differences(const RgbSurface& a, const RgbSurface& b, const Rect& region,
                                     const Rect& except) {
    std::vector<std::string> found;
    for (std::int32_t y = region.top; y < region.bottom; ++y) {
        for (std::int32_t x = region.left; x < region.right; ++x) {
            if (inside(except, x, y)) continue;
            if (a.pixel(x, y) != b.pixel(x, y)) {
                found.push_back(describe(x, y, a.pixel(x, y), b.pixel(x, y)));
            }
        }
    }
    return found;
}

std::vector<Point> changedPixels(const RgbSurface& a, const RgbSurface& b) {
    std::vector<Point> changed;
    for (std::int32_t y = 0; y < a.height(); ++y) {
        for (std::int32_t x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) changed.push_back({x, y});
        }
    }
    return changed;
}

void FaceplateTest::SetUp() {
    ASSERT_TRUE(loadFaceplateImages(images, embeddedImages()));
    ASSERT_TRUE(initialize(calculator));
}

void FaceplateTest::TearDown() {
    destroy(calculator);
}

void FaceplateTest::endBanner() {
    clock.advance(kMessageMilliseconds + 1);
    expireMessage(display());
}

RgbSurface FaceplateTest::paint(const Rect& clip) {
    RgbSurface surface(faceplate::kWidth, faceplate::kHeight);
    surface.setClip(clip);
    paintFaceplate(images, calculator, surface, kWholeFace);
    return surface;
}

}  // namespace tabulor::testing
