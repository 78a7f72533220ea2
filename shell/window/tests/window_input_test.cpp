// Pen input on the real window: which key a press reaches, what gaps and the strips outside the
// keypad do, and full-screen switching with the menu strip.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "faceplate/geometry.h"
#include "shell/resources/embedded_images.h"
#include "shell/window/tests/window_fixture.h"

namespace tabulor::testing {
namespace {

// What a key press can change, compared between the window and a calculator keyed directly.
struct Snapshot {
    std::array<Glyph, kCellStorage> cells{};
    std::array<MarkCode, kCellStorage> marks{};
    bool shiftShown = false;
    bool pendShown = false;
    bool beginMode = false;
    ErrorCode error = ErrorCode::None;
    bool messageActive = false;
    double value = 0.0;
    PrefixMode prefix = PrefixMode::None;
    ShiftState shift = ShiftState::Off;
    std::int32_t depth = 0;
    std::array<PendingOp, kLevels> pending{};
    bool isOn = true;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshot(const Calculator& c) {
    const Display& d = *c.display;
    return Snapshot{d.cells, d.marks,         d.shiftShown, d.pendShown,  d.beginMode,
                    d.error, d.messageActive, d.value,      c.prefixMode, c.shift,
                    c.depth, c.pendingOps,    c.isOn};
}

class PenInput : public WindowTest {
  protected:
    void SetUp() override { open(); }
};

TEST_F(PenInput, EachKeyCellReachesItsKeyCode) {
    for (KeyCode code = 0; code < kKeyCount; ++code) {
        SCOPED_TRACE(code);
        if (code != 0) open();
        Calculator reference(CalculatorServices{&clock, &power});
        ASSERT_TRUE(initialize(reference));
        pressKey(reference, code);
        releaseKey(reference);

        const QPoint at = keyCentre(code);
        press(at.x(), at.y());
        EXPECT_EQ(calculator().heldKey, code);
        release(at.x(), at.y());
        EXPECT_FALSE(calculator().heldKey.has_value());
        // SHIFT then ON would end the window; a single key never does.
        ASSERT_NE(window->session().calculator(), nullptr);
        EXPECT_TRUE(snapshot(calculator()) == snapshot(reference));
        destroy(reference);
    }
}

TEST_F(PenInput, KeysReachTheEngineInTheOrderTapped) {
    for (const KeyCode code :
         {Key::Digit1, Key::Point, Key::Digit5, Key::Add, Key::Digit2, Key::Equals}) {
        tapKey(code);
    }
    EXPECT_DOUBLE_EQ(calculator().display->value, 3.5);
}

TEST_F(PenInput, GapsPressNothingButRepaintTheWindow) {
    struct Case {
        int x;
        int y;
    };
    // Column gaps in the second row, row gaps in the second column.
    const Case gaps[] = {{49, 160}, {96, 160}, {143, 160}, {190, 160}, {70, 93},
                         {70, 133}, {70, 173}, {70, 213},  {70, 253}};
    const Snapshot before = snapshot(calculator());
    for (const Case& gap : gaps) {
        SCOPED_TRACE(::testing::Message() << gap.x << "," << gap.y);
        press(gap.x, gap.y);
        EXPECT_FALSE(calculator().heldKey.has_value());
        const QRegion painted = settlePainted();
        EXPECT_EQ(painted.boundingRect(), QRect(0, 0, 240, 294));
        release(gap.x, gap.y);
        EXPECT_TRUE(settlePainted().isEmpty()) << "a pen-up without a held key repaints nothing";
        EXPECT_TRUE(window->session().fullScreen());
    }
    EXPECT_TRUE(snapshot(calculator()) == before);
}

TEST_F(PenInput, CellStripsOutsideTheKeypadSwitchFullScreenInstead) {
    struct Case {
        int x;
        int y;
    };
    const Case strips[] = {{234, 160}, {235, 160}, {236, 160}, {30, 54},
                           {30, 55},   {30, 56},   {30, 291},  {30, 292}};
    const Snapshot before = snapshot(calculator());
    const QSignalSpy repaints(&window->session(), &CalculatorSession::repaintRequested);
    bool expected = true;
    for (const Case& strip : strips) {
        SCOPED_TRACE(::testing::Message() << strip.x << "," << strip.y);
        tap(strip.x, strip.y);
        expected = !expected;
        EXPECT_EQ(window->session().fullScreen(), expected);
        EXPECT_EQ(window->menuStrip()->isVisible(), !expected);
        // The strip shows below the faceplate, so the switch asks no part of it to repaint.
        settlePainted();
        EXPECT_EQ(repaints.count(), 0);
        EXPECT_EQ(window->height(),
                  window->view()->height() + (expected ? 0 : window->menuStrip()->height()));
    }
    EXPECT_TRUE(snapshot(calculator()) == before);
}

TEST_F(PenInput, ShiftStaysArmedAcrossAGapTap) {
    tapKey(Key::Shift);
    ASSERT_EQ(calculator().shift, ShiftState::On);
    tap(49, 160);
    EXPECT_EQ(calculator().shift, ShiftState::On);
    EXPECT_TRUE(calculator().display->shiftShown);
    tapKey(Key::Digit5);
    EXPECT_EQ(calculator().shift, ShiftState::Off);
}

TEST_F(PenInput, RightButtonIsNotThePen) {
    const QPoint at = keyCentre(Key::Digit7);
    QTest::mousePress(window->view(), Qt::RightButton, {}, at);
    EXPECT_FALSE(calculator().heldKey.has_value());
    QTest::mouseRelease(window->view(), Qt::RightButton, {}, at);
    QTest::mousePress(window->view(), Qt::RightButton, {}, QPoint(100, 20));
    EXPECT_TRUE(window->session().fullScreen());
}

TEST_F(PenInput, MenuStripFollowsTheFullScreenTable) {
    // Start-up: full screen, no strip.
    EXPECT_TRUE(window->session().fullScreen());
    EXPECT_FALSE(window->menuStrip()->isVisible());
    // A tap on the display shows the strip, another hides it, neither presses or repaints.
    tap(100, 20);
    EXPECT_FALSE(window->session().fullScreen());
    EXPECT_TRUE(window->menuStrip()->isVisible());
    tap(100, 20);
    EXPECT_TRUE(window->session().fullScreen());
    EXPECT_FALSE(window->menuStrip()->isVisible());
    // With the strip shown, a miss inside the keypad leaves it; a hit hides it.
    tap(100, 20);
    tap(49, 100);
    EXPECT_TRUE(window->menuStrip()->isVisible());
    tapKey(Key::Digit8);
    EXPECT_TRUE(window->session().fullScreen());
    EXPECT_FALSE(window->menuStrip()->isVisible());
    // The strip lies along the bottom edge, below the faceplate.
    tap(100, 20);
    const QRect strip = window->menuStrip()->geometry();
    EXPECT_EQ(strip.bottom(), window->height() - 1);
    EXPECT_EQ(strip.top(), window->view()->height());
    EXPECT_EQ(strip.width(), window->width());
}

TEST_F(PenInput, APressAtEveryZoomLandsOnTheFaceplatePixel) {
    open(3);
    // The last screen pixel of the gap at x 49 and the first one of the next cell.
    QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(49 * 3 + 2, 160 * 3));
    EXPECT_FALSE(calculator().heldKey.has_value());
    QTest::mouseRelease(window->view(), Qt::LeftButton, {}, QPoint(49 * 3 + 2, 160 * 3));
    QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(50 * 3, 160 * 3));
    EXPECT_EQ(calculator().heldKey, Key::Digit7);  // the cell at x 50..95, y 134..172
}

}  // namespace
}  // namespace tabulor::testing
