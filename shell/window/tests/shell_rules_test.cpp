// The window's rules without a window: full-screen switching, repaint regions, the timer tick,
// the build date.
#include <gtest/gtest.h>

#include "shell/resources/embedded_images.h"
#include "shell/window/build_date.h"
#include "shell/window/shell_state.h"

namespace tabulor {
namespace {

class SteppedClock final : public TickSource {
  public:
    std::uint32_t now() const override { return now_; }
    std::uint32_t now_ = 0xFFFF'FF00u;  // close to wrapping, which must not matter
};

class ShellRules : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(initialize(calculator)); }
    void TearDown() override { destroy(calculator); }

    SteppedClock clock;
    Calculator calculator{CalculatorServices{&clock, nullptr}};
    ShellState state;
};

TEST_F(ShellRules, PenDownTable) {
    struct Case {
        const char* what;
        bool fullScreenBefore;
        int x;
        int y;
        bool fullScreenAfter;
        bool hit;
        Repaint repaint;
    };
    const Case cases[] = {
        {"display, full screen", true, 100, 20, false, false, Repaint::Nothing},
        {"display, strip shown", false, 100, 20, true, false, Repaint::Nothing},
        {"key, strip shown", false, 26, 274, true, true, Repaint::Window},
        {"key, full screen", true, 26, 274, true, true, Repaint::Window},
        {"gap, strip shown", false, 49, 274, false, false, Repaint::Window},
        {"gap, full screen", true, 49, 274, true, false, Repaint::Window},
        {"right strip", true, 235, 274, false, false, Repaint::Nothing},
        {"bottom strip", false, 26, 292, true, false, Repaint::Nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state.fullScreen = c.fullScreenBefore;
        const PenDownResult result = penDown(state, calculator, c.x, c.y);
        EXPECT_EQ(state.fullScreen, c.fullScreenAfter);
        EXPECT_EQ(result.keyHit, c.hit);
        EXPECT_EQ(calculator.heldKey.has_value(), c.hit);
        EXPECT_EQ(result.repaint, c.repaint);
        EXPECT_EQ(penUp(calculator), c.hit ? Repaint::Keypad : Repaint::Nothing);
    }
}

TEST_F(ShellRules, RepaintRegions) {
    const Rect window = repaintRect(Repaint::Window);
    EXPECT_EQ(window.right - window.left, 240);
    EXPECT_EQ(window.bottom - window.top, 294);
    EXPECT_EQ(repaintRect(Repaint::Keypad).left, 3);
    EXPECT_EQ(repaintRect(Repaint::Keypad).bottom, 291);
    EXPECT_EQ(repaintRect(Repaint::Display).right, 236);
    const Rect none = repaintRect(Repaint::Nothing);
    EXPECT_EQ(none.right - none.left, 0);
}

TEST_F(ShellRules, TickExpiresTheBannerOnlyAfterTwoSecondsAndNotWhileHeld) {
    ASSERT_TRUE(calculator.display->messageActive);
    clock.now_ += 2000;
    EXPECT_EQ(messageTick(calculator), Repaint::Nothing);
    clock.now_ += 1;
    pressKey(calculator, Key::Shift);
    EXPECT_EQ(messageTick(calculator), Repaint::Nothing);
    releaseKey(calculator);
    EXPECT_EQ(messageTick(calculator), Repaint::Display);
    EXPECT_EQ(messageTick(calculator), Repaint::Nothing);
}

TEST(BuildDate, CompilerDatesBecomeNarrowText) {
    const struct {
        const char* compiler;
        const char* shown;
    } cases[] = {{"Jan 28 2003", "Jan 28 2003"},
                 {"Dec  7 2026", "Dec 7 2026"},
                 {"", ""},
                 {" May  1 2024 ", "May 1 2024"}};
    for (const auto& c : cases)
        EXPECT_EQ(buildDateText(c.compiler), c.shown);
}

}  // namespace
}  // namespace tabulor
