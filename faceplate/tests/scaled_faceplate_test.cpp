// The larger scales: drawn for their size rather than enlarged, and showing, rectangle for
// rectangle, what scale 1 shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <tuple>

#include "faceplate/faceplate_images.h"
#include "faceplate/image_table.h"
#include "faceplate/tests/faceplate_fixture.h"
#include "image/hiding_image_store.h"

namespace tabulor::testing {
namespace {

int channelDistance(Colour a, Colour b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

// The scale-N surface averaged over each N × N block, against scale 1's pixel there: the mean
// difference over the whole face, and how many pixels are far off (a rectangle in the wrong
// place, a missing mark, a legend that moved).
struct Likeness {
    double mean = 0;
    int farOff = 0;
};

// The display's captions are the exception: scale 1 has its own pixel font for them.
bool inCaption(std::int32_t x, std::int32_t y) {
    using namespace faceplate;
    for (const Rect& place : {kShiftRect, kBeginRect, kPendRect, kErrorRect}) {
        if (contains(place, x, y)) return true;
    }
    return false;
}

Likeness compare(const RgbSurface& small, const RgbSurface& large, int scale,
                 const Rect& region = kWholeFace) {
    Likeness likeness;
    for (std::int32_t y = region.top; y < region.bottom; ++y) {
        for (std::int32_t x = region.left; x < region.right; ++x) {
            if (inCaption(x, y)) continue;
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    const Colour c = large.pixel(x * scale + dx, y * scale + dy);
                    sum[0] += c.red;
                    sum[1] += c.green;
                    sum[2] += c.blue;
                }
            }
            const int n = scale * scale;
            const Colour average{static_cast<std::uint8_t>(sum[0] / n),
                                 static_cast<std::uint8_t>(sum[1] / n),
                                 static_cast<std::uint8_t>(sum[2] / n)};
            const int distance = channelDistance(average, small.pixel(x, y));
            likeness.mean += distance;
            likeness.farOff += distance > 128 ? 1 : 0;
        }
    }
    likeness.mean /= region.width() * region.height();
    return likeness;
}

class ScaledFaceplateTest : public FaceplateTest,
                            public ::testing::WithParamInterface<std::tuple<int, int>> {
  protected:
    RgbSurface paintAt(const FaceplateImages& set) {
        const Rect face = scaled(kWholeFace, set.scale);
        RgbSurface surface(face.width(), face.height());
        paintFaceplate(set, calculator, surface, face);
        return surface;
    }
};

// An enlarged scale-1 picture has only scale-1 colours, in blocks of N × N pixels; a drawn one
// has anti-aliased edges in shades of their own, so blocks of more than one colour.
TEST_P(ScaledFaceplateTest, FaceIsDrawnForTheScaleNotEnlarged) {
    const auto [scale, faceIndex] = GetParam();
    FaceplateImages set;
    ASSERT_TRUE(loadFaceplateImages(set, embeddedImages(), scale));
    const FaceplateImages* large = &set;
    const Image& small = face(faceIndex);
    const Image& big = *large->faces[static_cast<std::size_t>(faceIndex)];
    ASSERT_EQ(imageWidth(big), faceplate::kWidth * scale);

    RgbSurface smallFace(faceplate::kWidth, faceplate::kHeight);
    smallFace.copyImage(kWholeFace, small, {0, 0});
    RgbSurface bigFace(imageWidth(big), imageHeight(big));
    bigFace.copyImage(scaled(kWholeFace, scale), big, {0, 0});

    std::set<std::uint32_t> smallColours;
    for (std::int32_t y = 0; y < smallFace.height(); ++y) {
        for (std::int32_t x = 0; x < smallFace.width(); ++x) {
            const Colour c = smallFace.pixel(x, y);
            smallColours.insert(c.red << 16 | c.green << 8 | c.blue);
        }
    }
    int mixedBlocks = 0;
    int newShades = 0;
    for (KeyCode code = 0; code < kKeyCount; ++code) {
        const Rect cell = faceplate::keyCell(code);
        for (std::int32_t y = cell.top; y < cell.bottom; ++y) {
            for (std::int32_t x = cell.left; x < cell.right; ++x) {
                const Colour first = bigFace.pixel(x * scale, y * scale);
                bool mixed = false;
                for (int d = 0; d < scale * scale; ++d) {
                    const Colour c = bigFace.pixel(x * scale + d % scale, y * scale + d / scale);
                    mixed = mixed || c != first;
                    newShades += smallColours.count(c.red << 16 | c.green << 8 | c.blue) ? 0 : 1;
                }
                mixedBlocks += mixed ? 1 : 0;
            }
        }
    }
    const int cellPixels = kKeyCount * faceplate::kKeyCellWidth * faceplate::kKeyCellHeight;
    // Every legend and rounded corner has edges: several per cent of the blocks in the keys.
    EXPECT_GT(mixedBlocks, cellPixels / 20) << "scale " << scale;
    EXPECT_GT(newShades, cellPixels / 20) << "scale " << scale;

    const Likeness likeness = compare(smallFace, bigFace, scale);
    // A legend's hinted strokes fall a little differently at each size; one out of place by a
    // pixel would leave far more than this.
    EXPECT_LT(likeness.mean, 8) << "scale " << scale;
    EXPECT_LT(likeness.farOff, 300) << "scale " << scale;
}

// Everything the display can show, and a key held: at every scale each rectangle lies where
// scale 1's does, so the whole painted faceplate averages down to scale 1's.
TEST_P(ScaledFaceplateTest, PaintedFaceplateShowsWhatScaleOneShows) {
    const auto [scale, shift] = GetParam();
    endBanner();
    calculator.shift = static_cast<ShiftState>(shift & 1);
    calculator.heldKey = keyCodeAt(shift, 2);
    Display& d = display();
    d.shiftShown = d.pendShown = d.beginMode = d.lowBattery = true;
    d.error = ErrorCode{shift + 1};
    for (int cell = 0; cell < kShownCells; ++cell) {
        d.cells[static_cast<std::size_t>(cell)] =
            Glyph{static_cast<std::int8_t>(cell * 5 % kGlyphCount)};
        d.marks[static_cast<std::size_t>(cell)] = MarkCode{cell % 3};
    }
    FaceplateImages one;
    FaceplateImages large;
    ASSERT_TRUE(loadFaceplateImages(one, embeddedImages(), 1));
    ASSERT_TRUE(loadFaceplateImages(large, embeddedImages(), scale));
    const RgbSurface small = paintAt(one);
    const RgbSurface big = paintAt(large);
    const Likeness whole = compare(small, big, scale);
    EXPECT_LT(whole.mean, 8) << "scale " << scale;
    EXPECT_LT(whole.farOff, 300) << "scale " << scale;
    // The figures and marks are the same shapes at every scale: a mark or a cell out of place
    // shows at once.
    const Likeness display = compare(small, big, scale, faceplate::kDisplayRect);
    EXPECT_LT(display.farOff, 10) << "scale " << scale;
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledFaceplateTest,
                         ::testing::Combine(::testing::Values(2, 3, 4),
                                            ::testing::Values(0, 1, 2, 3)));

TEST(ScaledImages, EachScaleLoadsAndOneWithoutAPictureIsRefused) {
    const HidingImageStore store(embeddedImages(), {scaledImageId(ImageId::MarkStrip, 3),
                                                    scaledImageId(ImageId::GlyphStrip, 4)});
    FaceplateImages set;
    for (const int outside : {0, 5, -1})
        EXPECT_FALSE(loadFaceplateImages(set, store, outside)) << outside;
    EXPECT_FALSE(loadFaceplateImages(set, store, 3)) << "a scale without its marks";
    EXPECT_FALSE(loadFaceplateImages(set, store, 4)) << "a scale without its glyphs";
    EXPECT_EQ(set.faces[0], nullptr) << "nothing held after a refusal";
    for (const int scale : {1, 2}) {
        ASSERT_TRUE(loadFaceplateImages(set, store, scale)) << scale;
        EXPECT_EQ(set.scale, scale);
        EXPECT_EQ(imageWidth(*set.glyphStrip), faceplate::kGlyphWidth * kGlyphCount * scale);
    }
}

}  // namespace
}  // namespace tabulor::testing
