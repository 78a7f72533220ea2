// What the bitmaps show: keys drawn inside their cells, faces that differ only where they
// should, the glyphs' segments where the layout puts them, and texts in white on the panel.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "display/glyph.h"
#include "engine/key_table.h"
#include "faceplate/image_table.h"
#include "image/image.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {
namespace {

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kAnnunciatorPurple{90, 57, 140};

Rgb colourAt(const Image& image, std::int32_t x, std::int32_t y) {
    const PaletteEntry entry = tableColour(image, pixelIndex(image, x, y));
    return {entry.red, entry.green, entry.blue};
}

std::unique_ptr<Image> load(int id) {
    std::unique_ptr<Image> image = loadImage(embeddedImages(), id);
    if (image == nullptr || !imageIsComplete(*image)) return nullptr;
    return image;
}

bool inAnyCell(std::int32_t x, std::int32_t y) {
    for (KeyCode code = 0; code < kKeyCount; ++code) {
        if (contains(faceplate::keyCell(code), x, y)) return true;
    }
    return false;
}

int differingPixels(const Image& a, const Image& b, const Rect& box) {
    int count = 0;
    for (std::int32_t y = box.top; y < box.bottom; ++y) {
        for (std::int32_t x = box.left; x < box.right; ++x)
            count += pixelIndex(a, x, y) != pixelIndex(b, x, y);
    }
    return count;
}

constexpr std::array<int, 4> kFaces{ImageId::Face, ImageId::ShiftedFace, ImageId::PressedFace,
                                    ImageId::PressedShiftedFace};

TEST(Artwork, FacesDifferOnlyInsideKeyCells) {
    const std::unique_ptr<Image> normal = load(ImageId::Face);
    ASSERT_NE(normal, nullptr);
    for (const int id : kFaces) {
        const std::unique_ptr<Image> face = load(id);
        ASSERT_NE(face, nullptr);
        int outside = 0;
        for (std::int32_t y = 0; y < faceplate::kHeight; ++y) {
            for (std::int32_t x = 0; x < faceplate::kWidth; ++x) {
                if (!inAnyCell(x, y))
                    outside += pixelIndex(*face, x, y) != pixelIndex(*normal, x, y);
            }
        }
        EXPECT_EQ(outside, 0) << "face " << id << " draws outside the key cells";
    }
}

TEST(Artwork, PressedAndReleasedAgreeWhereTheKeypadRepaintDoesNotReach) {
    // After pen-up only {3, 57, 234, 291} is repainted; the rest of a cell must not change.
    const std::array<std::pair<int, int>, 2> pairs{
        {{ImageId::Face, ImageId::PressedFace},
         {ImageId::ShiftedFace, ImageId::PressedShiftedFace}}};
    for (const auto& [released, pressed] : pairs) {
        const std::unique_ptr<Image> a = load(released);
        const std::unique_ptr<Image> b = load(pressed);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        const Rect keypad{3, 57, 234, 291};
        int outside = 0;
        for (std::int32_t y = 0; y < faceplate::kHeight; ++y) {
            for (std::int32_t x = 0; x < faceplate::kWidth; ++x) {
                if (!contains(keypad, x, y))
                    outside += pixelIndex(*a, x, y) != pixelIndex(*b, x, y);
            }
        }
        EXPECT_EQ(outside, 0) << released << " and " << pressed;
    }
}

TEST(Artwork, EveryKeyLooksDifferentPressedAndShiftedOnlyWhereItHasAShiftedLegend) {
    const std::unique_ptr<Image> normal = load(ImageId::Face);
    const std::unique_ptr<Image> shifted = load(ImageId::ShiftedFace);
    const std::unique_ptr<Image> pressed = load(ImageId::PressedFace);
    ASSERT_TRUE(normal && shifted && pressed);
    for (KeyCode code = 0; code < kKeyCount; ++code) {
        EXPECT_GT(differingPixels(*normal, *pressed, faceplate::keyCell(code)), 0)
            << "key " << code;
        if (keyFacts(code).shiftedLegend.empty()) {
            EXPECT_EQ(differingPixels(*normal, *shifted, faceplate::keyCell(code)), 0)
                << "key " << code;
        } else {
            EXPECT_GT(differingPixels(*normal, *shifted, faceplate::keyCell(code)), 0)
                << "key " << code;
        }
    }
}

int brightness(const Rgb& c) {
    return c.red + c.green + c.blue;
}

// The key body's own colour: the one most pixels of the cell's middle have. Legends are not
// counted in, since a key with much lettering would otherwise look as light as its letters.
Rgb bodyColour(const Image& image, const Rect& cell) {
    std::map<std::uint8_t, int> counts;
    for (std::int32_t y = cell.top + 6; y < cell.bottom - 6; ++y) {
        for (std::int32_t x = cell.left + 6; x < cell.right - 6; ++x)
            ++counts[pixelIndex(image, x, y)];
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const PaletteEntry entry = tableColour(image, most->first);
    return {entry.red, entry.green, entry.blue};
}

// The lightest pixel over the body: on a pressed key, the middle of a legend's stroke.
Rgb lightestInk(const Image& image, const Rect& cell) {
    Rgb lightest = bodyColour(image, cell);
    for (std::int32_t y = cell.top + 4; y < cell.bottom - 4; ++y) {
        for (std::int32_t x = cell.left + 4; x < cell.right - 4; ++x) {
            const Rgb c = colourAt(image, x, y);
            if (brightness(c) > brightness(lightest)) lightest = c;
        }
    }
    return lightest;
}

TEST(Artwork, PressedKeysHaveADarkerBodyAndLightGreyLegends) {
    const std::array<std::pair<int, int>, 2> pairs{
        {{ImageId::Face, ImageId::PressedFace},
         {ImageId::ShiftedFace, ImageId::PressedShiftedFace}}};
    for (const auto& [releasedId, pressedId] : pairs) {
        const std::unique_ptr<Image> released = load(releasedId);
        const std::unique_ptr<Image> pressed = load(pressedId);
        ASSERT_TRUE(released && pressed);
        for (KeyCode code = 0; code < kKeyCount; ++code) {
            const Rect cell = faceplate::keyCell(code);
            const Rgb body = bodyColour(*pressed, cell);
            EXPECT_LT(brightness(body) + 3 * 40, brightness(bodyColour(*released, cell)))
                << "face " << pressedId << " key " << code;
            // Grey: no channel strays far from the others; light: well above the body.
            const Rgb ink = lightestInk(*pressed, cell);
            const int high = std::max({ink.red, ink.green, ink.blue});
            const int low = std::min({ink.red, ink.green, ink.blue});
            EXPECT_LE(high - low, 16) << "face " << pressedId << " key " << code;
            EXPECT_GE(low, 200) << "face " << pressedId << " key " << code;
        }
    }
}

TEST(Artwork, LegendsAreBlueAndRedAtRestAndNeitherWhenPressed) {
    const auto has = [](const Image& image, Rgb colour) {
        for (std::int32_t y = 54; y < faceplate::kHeight; ++y) {
            for (std::int32_t x = 0; x < faceplate::kWidth; ++x) {
                if (colourAt(image, x, y) == colour) return true;
            }
        }
        return false;
    };
    const Rgb blue{49, 49, 140};
    const Rgb red{198, 28, 24};
    for (const int id : {ImageId::Face, ImageId::ShiftedFace}) {
        const std::unique_ptr<Image> face = load(id);
        ASSERT_NE(face, nullptr);
        EXPECT_TRUE(has(*face, blue)) << id;
        EXPECT_TRUE(has(*face, red)) << id;
    }
    for (const int id : {ImageId::PressedFace, ImageId::PressedShiftedFace}) {
        const std::unique_ptr<Image> face = load(id);
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(has(*face, blue)) << id;
        EXPECT_FALSE(has(*face, red)) << id;
    }
}

TEST(Artwork, BlankGlyphShowsExactlyThePanel) {
    const std::unique_ptr<Image> strip = load(ImageId::GlyphStrip);
    ASSERT_NE(strip, nullptr);
    for (const int id : kFaces) {
        const std::unique_ptr<Image> face = load(id);
        ASSERT_NE(face, nullptr);
        for (int cell = 0; cell < 13; ++cell) {
            for (std::int32_t y = 0; y < 35; ++y) {
                for (std::int32_t x = 0; x < 14; ++x) {
                    ASSERT_EQ(colourAt(*strip, 14 * static_cast<int>(Glyph::Blank) + x, y),
                              colourAt(*face, 5 + 18 * cell + x, 10 + y))
                        << "face " << id << " cell " << cell << " at " << x << "," << y;
                }
            }
        }
    }
}

using Mask = std::array<std::array<bool, 14>, 35>;

Mask litPixels(const Image& strip, int glyph) {
    Mask mask{};
    for (std::int32_t y = 0; y < 35; ++y) {
        for (std::int32_t x = 0; x < 14; ++x)
            mask[y][x] = colourAt(strip, 14 * glyph + x, y) == kWhite;
    }
    return mask;
}

Mask unite(const Mask& a, const Mask& b) {
    Mask out{};
    for (std::size_t y = 0; y < 35; ++y) {
        for (std::size_t x = 0; x < 14; ++x)
            out[y][x] = a[y][x] || b[y][x];
    }
    return out;
}

Mask subtract(const Mask& a, const Mask& b) {
    Mask out{};
    for (std::size_t y = 0; y < 35; ++y) {
        for (std::size_t x = 0; x < 14; ++x)
            out[y][x] = a[y][x] && !b[y][x];
    }
    return out;
}

// The box a mask's lit pixels span, and how many there are.
struct Extent {
    int left = 14, top = 35, right = -1, bottom = -1, count = 0;
};

Extent extentOf(const Mask& mask) {
    Extent e;
    for (int y = 0; y < 35; ++y) {
        for (int x = 0; x < 14; ++x) {
            if (!mask[y][x]) continue;
            e.left = std::min(e.left, x);
            e.right = std::max(e.right, x);
            e.top = std::min(e.top, y);
            e.bottom = std::max(e.bottom, y);
            ++e.count;
        }
    }
    return e;
}

TEST(Artwork, GlyphsAreTheSevenSegmentsWhereTheLayoutPutsThem) {
    const std::unique_ptr<Image> strip = load(ImageId::GlyphStrip);
    ASSERT_NE(strip, nullptr);
    // Single segments, from glyphs that light them alone or with ones already known.
    const Mask d = litPixels(*strip, 11);
    const Mask g = litPixels(*strip, 12);
    const Mask f = litPixels(*strip, 20);
    const Mask e = litPixels(*strip, 32);
    const Mask a = subtract(litPixels(*strip, 24), f);
    const Mask b = subtract(litPixels(*strip, 22), litPixels(*strip, 24));
    const Mask c = subtract(litPixels(*strip, 1), b);

    struct Where {
        const char* name;
        const Mask& mask;
        int left, top, right, bottom;  // inclusive extent the layout gives
    };
    for (const Where& w :
         {Where{"a", a, 0, 0, 13, 2}, Where{"d", d, 0, 30, 13, 32}, Where{"g", g, 0, 15, 13, 17},
          Where{"f", f, 0, 1, 2, 15}, Where{"e", e, 0, 17, 2, 31}, Where{"b", b, 11, 1, 13, 15},
          Where{"c", c, 11, 17, 13, 31}}) {
        const Extent x = extentOf(w.mask);
        EXPECT_GT(x.count, 20) << w.name;
        EXPECT_GE(x.left, w.left) << w.name;
        EXPECT_LE(x.right, w.right) << w.name;
        EXPECT_GE(x.top, w.top) << w.name;
        EXPECT_LE(x.bottom, w.bottom) << w.name;
        // Three pixels thick: the extent across the segment is exactly three.
        const bool horizontal = w.bottom - w.top == 2;
        EXPECT_EQ(horizontal ? x.bottom - x.top : x.right - x.left, 2) << w.name;
    }

    const std::array<const Mask*, 7> segments{&a, &b, &c, &d, &e, &f, &g};
    // Segment letters a..g lit by each glyph, as the glyph table lists them.
    const std::array<const char*, kGlyphCount> lit{
        "abcdef", "bc",    "abdeg", "abcdg", "bcfg",   "acdfg", "acdefg", "abc",   "abcdefg",
        "abcdfg", "",      "d",     "g",     "abcefg", "cdefg", "adef",   "bcdeg", "adefg",
        "aefg",   "bcefg", "f",     "def",   "abf",    "abefg", "af",     "cde",   "bcdef",
        "eg",     "bcdfg", "ceg",   "cdeg",  "efg",    "e",     "abcdefg"};
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        Mask expected{};
        for (const char* s = lit[glyph]; *s != '\0'; ++s)
            expected = unite(expected, *segments[*s - 'a']);
        EXPECT_TRUE(litPixels(*strip, glyph) == expected) << "glyph " << glyph;
        for (std::int32_t y = 33; y < 35; ++y) {
            for (std::int32_t x = 0; x < 14; ++x) {
                EXPECT_NE(colourAt(*strip, 14 * glyph + x, y), kWhite) << "glyph " << glyph;
            }
        }
    }
}

TEST(Artwork, AnnunciatorsAreWhiteOnThePanelPurple) {
    for (const int id :
         {ImageId::ShiftAnnunciator, ImageId::BeginAnnunciator, ImageId::PendAnnunciator,
          ImageId::BatteryAnnunciator, ImageId::ErrorStrip}) {
        const std::unique_ptr<Image> image = load(id);
        ASSERT_NE(image, nullptr);
        int white = 0;
        for (std::int32_t y = 0; y < imageHeight(*image); ++y) {
            for (std::int32_t x = 0; x < imageWidth(*image); ++x) {
                const Rgb c = colourAt(*image, x, y);
                EXPECT_TRUE(c == kWhite || c == kAnnunciatorPurple)
                    << id << " at " << x << "," << y;
                white += c == kWhite;
            }
        }
        EXPECT_GT(white, 10) << id;
    }
}

TEST(Artwork, ErrorBandsSayDifferentThingsAndStatStandsWhereItDoesInBandThree) {
    const std::unique_ptr<Image> strip = load(ImageId::ErrorStrip);
    ASSERT_NE(strip, nullptr);
    constexpr int kBandWidth = faceplate::kErrorRect.width();
    constexpr int kBandHeight = faceplate::kErrorBandHeight;
    const auto band = [&](int b) {
        std::vector<bool> lit;
        for (std::int32_t y = kBandHeight * b; y < kBandHeight * (b + 1); ++y) {
            for (std::int32_t x = 0; x < kBandWidth; ++x)
                lit.push_back(colourAt(*strip, x, y) == kWhite);
        }
        return lit;
    };
    EXPECT_EQ(band(0), std::vector<bool>(kBandHeight * kBandWidth, false))
        << "band 0 must be blank";
    for (int b = 1; b <= 5; ++b) {
        for (int other = b + 1; other <= 5; ++other)
            EXPECT_NE(band(b), band(other)) << b << " " << other;
    }
    // Band 5 is band 3 with the word ERROR taken away.
    const std::vector<bool> three = band(3);
    const std::vector<bool> five = band(5);
    int firstColumn = kBandWidth;
    for (std::size_t i = 0; i < five.size(); ++i) {
        if (five[i]) firstColumn = std::min(firstColumn, static_cast<int>(i % kBandWidth));
    }
    ASSERT_LT(firstColumn, kBandWidth);
    for (std::size_t i = 0; i < five.size(); ++i) {
        const bool inStat = static_cast<int>(i % kBandWidth) >= firstColumn;
        EXPECT_EQ(five[i], inStat && three[i])
            << "row " << i / kBandWidth << " column " << i % kBandWidth;
    }
}

}  // namespace
}  // namespace tabulor
