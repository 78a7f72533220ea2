// paintFaceplate and drawDisplay on the in-memory surface, with the program's own images: each
// region of the picture must come from the image and the place the layout gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "faceplate/tests/faceplate_fixture.h"

namespace tabulor::testing {
namespace {

Rect cellRect(int i) {
    const std::int32_t left = faceplate::kCellLeft + faceplate::kCellPitch * i;
    return {left, faceplate::kCellTop, left + faceplate::kGlyphWidth,
            faceplate::kCellTop + faceplate::kGlyphHeight};
}

Point glyphSource(Glyph glyph) {
    return {faceplate::kGlyphWidth * static_cast<std::int32_t>(glyph), 0};
}

TEST_F(FaceplateTest, FreshCalculatorShowsZeroPointZeroZero) {
    endBanner();
    const std::array<int, kShownCells> expected{10, 0, 0, 0, 10, 10, 10, 10, 10, 10, 10, 10, 10};
    for (int i = 0; i < kShownCells; ++i)
        ASSERT_EQ(static_cast<int>(display().cells[i]), expected[i]) << "cell " << i;

    const RgbSurface surface = paint();
    for (int i = 0; i < kShownCells; ++i) {
        EXPECT_EQ(differencesFromImage(surface, cellRect(i), *images.glyphStrip,
                                       glyphSource(static_cast<Glyph>(expected[i]))),
                  std::vector<std::string>{})
            << "cell " << i;
    }
    // The decimal point after cell 1 (left edge 23): a white 2 × 2 square at x 38..39.
    for (const auto& [x, y] : {std::pair{38, 41}, {39, 41}, {38, 42}, {39, 42}}) {
        EXPECT_EQ(surface.pixel(x, y), kWhite) << x << "," << y;
    }
    // Nothing else in the gaps between the cells differs from the face.
    for (int i = 0; i < kShownCells; ++i) {
        const Rect gap{cellRect(i).right, faceplate::kCellTop, cellRect(i).right + 4,
                       faceplate::kCellTop + faceplate::kGlyphHeight};
        const Rect point = i == 1 ? Rect{38, 41, 40, 43} : Rect{};
        for (std::int32_t y = gap.top; y < gap.bottom; ++y) {
            for (std::int32_t x = gap.left; x < std::min(gap.right, faceplate::kWidth); ++x) {
                if (x >= point.left && x < point.right && y >= point.top && y < point.bottom) {
                    continue;
                }
                EXPECT_EQ(surface.pixel(x, y), imageColour(face(0), x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(FaceplateTest, BannerFillsTheCellsFromTheGlyphStrip) {
    const RgbSurface surface = paint();
    for (int i = 0; i < kShownCells; ++i) {
        EXPECT_EQ(differencesFromImage(surface, cellRect(i), *images.glyphStrip,
                                       glyphSource(display().cells[i])),
                  std::vector<std::string>{})
            << "cell " << i;
    }
}

class MarkTest : public FaceplateTest {
  protected:
    // The pixels a mark after `cell` adds, found by drawing the display with and without it.
    // It is drawn over black: the marks after cell 12 stand on the white case, where a white
    // mark would not show as a change.
    std::vector<Point> markPixels(int cell, MarkCode mark) {
        display().marks.fill(MarkCode::None);
        const RgbSurface without = overBlack();
        display().marks[cell] = mark;
        return changedPixels(without, overBlack());
    }

    RgbSurface overBlack() {
        RgbSurface surface(faceplate::kWidth, faceplate::kHeight);
        drawDisplay(images, display(), surface);
        return surface;
    }
};

TEST_F(MarkTest, PointSetsFourPixelsAndCommaSix) {
    endBanner();
    const std::int32_t x0 = faceplate::kCellLeft + faceplate::kCellPitch * 5;
    const std::vector<Point> point = markPixels(5, MarkCode::Point);
    const std::vector<Point> comma = markPixels(5, MarkCode::Comma);
    const std::vector<std::pair<int, int>> pointWanted{
        {x0 + 15, 41}, {x0 + 16, 41}, {x0 + 15, 42}, {x0 + 16, 42}};
    const std::vector<std::pair<int, int>> commaWanted{{x0 + 15, 41}, {x0 + 16, 41}, {x0 + 15, 42},
                                                       {x0 + 16, 42}, {x0 + 16, 43}, {x0 + 15, 44}};
    const auto asPairs = [](const std::vector<Point>& points) {
        std::vector<std::pair<int, int>> pairs;
        for (const Point& p : points)
            pairs.emplace_back(p.x, p.y);
        std::sort(pairs.begin(), pairs.end(), [](auto a, auto b) {
            return std::pair{a.second, a.first} < std::pair{b.second, b.first};
        });
        return pairs;
    };
    EXPECT_EQ(asPairs(point), pointWanted);
    EXPECT_EQ(asPairs(comma), commaWanted);
}

TEST_F(MarkTest, AnyCodeAboveOneDrawsTheCommaTail) {
    endBanner();
    EXPECT_EQ(markPixels(3, MarkCode{7}).size(), 6u);
    EXPECT_EQ(markPixels(3, MarkCode{-1}).size(), 4u);
    EXPECT_TRUE(markPixels(3, MarkCode::None).empty());
}

TEST_F(MarkTest, MarkAfterTheLastCellLandsOutsideThePanel) {
    endBanner();
    const std::vector<Point> point = markPixels(12, MarkCode::Point);
    ASSERT_EQ(point.size(), 4u);
    for (const Point& p : point) {
        EXPECT_TRUE(p.x == 236 || p.x == 237) << p.x;
        EXPECT_TRUE(p.y == 41 || p.y == 42) << p.y;
    }
    // On the real face it is white on the white case.
    display().marks[12] = MarkCode::Comma;
    const RgbSurface surface = paint();
    for (const auto& [x, y] : {std::pair{236, 41}, {237, 42}, {237, 43}, {236, 44}}) {
        EXPECT_EQ(surface.pixel(x, y), kWhite);
    }
}

struct AnnunciatorCase {
    const char* name;
    bool Display::*flag;
    std::unique_ptr<Image> FaceplateImages::*image;
    Rect where;
};

class AnnunciatorTest : public FaceplateTest,
                        public ::testing::WithParamInterface<AnnunciatorCase> {};

TEST_P(AnnunciatorTest, DrawnInItsRectangleOnlyWhenSet) {
    const AnnunciatorCase& c = GetParam();
    endBanner();
    display().shiftShown = display().beginMode = display().pendShown = display().lowBattery = false;
    const RgbSurface off = paint();
    EXPECT_EQ(differencesFromImage(off, c.where, face(0), {c.where.left, c.where.top}),
              std::vector<std::string>{});

    display().*c.flag = true;
    const RgbSurface on = paint();
    EXPECT_EQ(differencesFromImage(on, c.where, *(images.*c.image), {0, 0}),
              std::vector<std::string>{});
    EXPECT_EQ(differences(on, off, kWholeFace, c.where), std::vector<std::string>{})
        << "drawn outside its rectangle";
    EXPECT_FALSE(differences(on, off, c.where).empty()) << "the annunciator shows nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Each, AnnunciatorTest,
    ::testing::Values(AnnunciatorCase{"Shift", &Display::shiftShown, &FaceplateImages::shiftImage,
                                      faceplate::kShiftRect},
                      AnnunciatorCase{"Begin", &Display::beginMode, &FaceplateImages::beginImage,
                                      faceplate::kBeginRect},
                      AnnunciatorCase{"Pend", &Display::pendShown, &FaceplateImages::pendImage,
                                      faceplate::kPendRect},
                      AnnunciatorCase{"Battery", &Display::lowBattery,
                                      &FaceplateImages::batteryImage, faceplate::kBatteryRect}),
    [](const ::testing::TestParamInfo<AnnunciatorCase>& info) { return info.param.name; });

TEST_F(FaceplateTest, ErrorCodesDrawTheirBands) {
    endBanner();
    display().error = ErrorCode::None;
    const RgbSurface none = paint();
    const Rect where = faceplate::kErrorRect;
    EXPECT_EQ(differencesFromImage(none, where, face(0), {where.left, where.top}),
              std::vector<std::string>{});

    std::vector<RgbSurface> bands;
    for (int code = 1; code <= 5; ++code) {
        display().error = static_cast<ErrorCode>(code);
        const RgbSurface surface = paint();
        EXPECT_EQ(differencesFromImage(surface, where, *images.errorStrip, {0, 6 * code}),
                  std::vector<std::string>{})
            << "code " << code;
        EXPECT_EQ(differences(surface, none, kWholeFace, where), std::vector<std::string>{})
            << "code " << code;
        bands.push_back(surface);
    }
    // Each band says something different.
    for (std::size_t a = 0; a < bands.size(); ++a) {
        for (std::size_t b = a + 1; b < bands.size(); ++b) {
            EXPECT_FALSE(differences(bands[a], bands[b], where).empty()) << a + 1 << " " << b + 1;
        }
    }
}

TEST_F(FaceplateTest, FaceFollowsShift) {
    endBanner();
    const Rect keypad = faceplate::kKeypadRect;
    calculator.shift = ShiftState::Off;
    EXPECT_EQ(differencesFromImage(paint(), keypad, face(0), {keypad.left, keypad.top}),
              std::vector<std::string>{});
    calculator.shift = ShiftState::On;
    EXPECT_EQ(differencesFromImage(paint(), keypad, face(1), {keypad.left, keypad.top}),
              std::vector<std::string>{});
}

struct HeldCase {
    const char* name;
    int column;
    int row;
    int shift;
};

class HeldKeyTest : public FaceplateTest, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(HeldKeyTest, CopiedFromThePressedFace) {
    const HeldCase& c = GetParam();
    endBanner();
    calculator.shift = static_cast<ShiftState>(c.shift);
    calculator.heldKey.reset();
    const RgbSurface released = paint();

    const Rect cell = faceplate::keyCellAt(c.column, c.row);
    calculator.heldKey = keyCodeAt(c.column, c.row);
    const RgbSurface held = paint();
    EXPECT_EQ(differencesFromImage(held, cell, face(c.shift + 2), {cell.left, cell.top}),
              std::vector<std::string>{});
    EXPECT_EQ(differences(held, released, kWholeFace, cell), std::vector<std::string>{});
    EXPECT_FALSE(differences(held, released, cell).empty()) << "the pressed key looks the same";
}

INSTANTIATE_TEST_SUITE_P(Keys, HeldKeyTest,
                         ::testing::Values(HeldCase{"Eight", 2, 3, 0}, HeldCase{"On", 0, 0, 0},
                                           HeldCase{"FvShifted", 4, 5, 1},
                                           HeldCase{"AddShifted", 4, 0, 1}),
                         [](const ::testing::TestParamInfo<HeldCase>& info) {
                             return info.param.name;
                         });

// A tap as the window makes it: the engine takes the key, the window marks its cell held.
class TapTest : public FaceplateTest {
  protected:
    void press(KeyCode code) { pressKey(calculator, code); }
    Rect cell(KeyCode code) const { return faceplate::keyCell(code); }
};

TEST_F(TapTest, ShiftedKeyIsHeldFromThePressedShiftedFaceAndReleaseEndsTheShift) {
    endBanner();
    press(Key::Shift);
    releaseKey(calculator);
    const Rect keypad = faceplate::kKeypadRect;
    EXPECT_EQ(differencesFromImage(paint(), keypad, face(1), {keypad.left, keypad.top}),
              std::vector<std::string>{})
        << "SHIFT armed: the shifted face";

    constexpr KeyCode kPlus = 4;  // shifted: x²
    press(kPlus);
    const RgbSurface held = paint();
    EXPECT_EQ(differencesFromImage(held, cell(kPlus), face(3), {cell(kPlus).left, cell(kPlus).top}),
              std::vector<std::string>{});
    EXPECT_EQ(differencesFromImage(held, cell(1), face(1), {cell(1).left, cell(1).top}),
              std::vector<std::string>{})
        << "the other keys stay on the shifted face while the key is held";

    releaseKey(calculator);
    EXPECT_EQ(differencesFromImage(paint(), keypad, face(0), {keypad.left, keypad.top}),
              std::vector<std::string>{})
        << "after the release the normal face is back";
}

TEST_F(TapTest, AKeyTheEngineIgnoresIsStillDrawnPressed) {
    endBanner();
    press(Key::On);
    releaseKey(calculator);
    press(Key::Shift);  // shifted ON is OFF
    releaseKey(calculator);
    press(Key::On);
    releaseKey(calculator);
    ASSERT_FALSE(calculator.isOn);

    constexpr KeyCode kEight = 17;
    press(kEight);
    EXPECT_EQ(calculator.shift, ShiftState::Off);
    const RgbSurface held = paint();
    EXPECT_EQ(
        differencesFromImage(held, cell(kEight), face(2), {cell(kEight).left, cell(kEight).top}),
        std::vector<std::string>{});
}

TEST_F(FaceplateTest, PaintClippedToTheDisplayLeavesTheKeypadAlone) {
    endBanner();
    const RgbSurface before = paint();

    // Change both the display and the face, then repaint the display rectangle only.
    RgbSurface surface = before;
    calculator.shift = ShiftState::On;
    display().error = ErrorCode::Func;
    appendDigit(display(), 7);
    surface.setClip(faceplate::kDisplayRect);
    paintFaceplate(images, calculator, surface, kWholeFace);

    EXPECT_EQ(differences(surface, before, kWholeFace, faceplate::kDisplayRect),
              std::vector<std::string>{});
    EXPECT_FALSE(differences(surface, before, faceplate::kDisplayRect).empty());
    EXPECT_EQ(differencesFromImage(surface, cellRect(1), *images.glyphStrip, glyphSource(Glyph{7})),
              std::vector<std::string>{});
}

TEST_F(FaceplateTest, PaintClippedToTheKeypadLeavesTheDisplayAlone) {
    endBanner();
    const RgbSurface before = paint();
    RgbSurface surface = before;
    appendDigit(display(), 4);
    calculator.heldKey = keyCodeAt(1, 2);
    surface.setClip(faceplate::kKeypadRect);
    paintFaceplate(images, calculator, surface, kWholeFace);

    EXPECT_EQ(differences(surface, before, kWholeFace, faceplate::kKeypadRect),
              std::vector<std::string>{});
    EXPECT_FALSE(differences(surface, before, faceplate::kKeypadRect).empty());
}

TEST_F(FaceplateTest, DisplayWithoutGlyphStripDrawsAnnunciatorsOnly) {
    endBanner();
    display().shiftShown = true;
    images.glyphStrip.reset();
    const RgbSurface surface = paint();
    EXPECT_EQ(differencesFromImage(surface, faceplate::kShiftRect, *images.shiftImage, {0, 0}),
              std::vector<std::string>{});
    // The panel shows through where the cells would be.
    for (int i = 0; i < kShownCells; ++i) {
        EXPECT_EQ(differencesFromImage(surface, cellRect(i), face(0),
                                       {cellRect(i).left, cellRect(i).top}),
                  std::vector<std::string>{});
    }
}

TEST_F(FaceplateTest, WithoutImagesNothingIsPainted) {
    const FaceplateImages none;
    RgbSurface surface(faceplate::kWidth, faceplate::kHeight, Colour{1, 2, 3});
    paintFaceplate(none, calculator, surface, kWholeFace);
    for (const std::uint8_t byte : surface.rgb())
        ASSERT_TRUE(byte >= 1 && byte <= 3);
}

}  // namespace
}  // namespace tabulor::testing
