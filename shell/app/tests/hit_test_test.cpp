// Hit testing on the key table: every pixel of every cell presses its key, gaps and the edges
// of the keypad press nothing.
#include "shell/app/hit_test.h"

#include <gtest/gtest.h>

#include "shell/faceplate/faceplate_layout.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {
namespace {

class ZeroClock final : public TickSource {
  public:
    std::uint32_t now() const override { return 0; }
};

class HitTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(initialize(calculator)); }
    void TearDown() override { destroy(calculator); }

    // The key a press at (x, y) held, or -1; the calculator is released after.
    int keyAt(int x, int y) {
        if (!hitTest(calculator, x, y)) {
            EXPECT_FALSE(calculator.heldKey.has_value());
            return -1;
        }
        if (!calculator.heldKey) return -2;
        const KeyCode held = *calculator.heldKey;
        releaseKey(calculator);
        return held;
    }

    ZeroClock clock;
    Calculator calculator{CalculatorServices{&clock, nullptr}};
};

TEST_F(HitTest, EveryPixelOfTheFaceplateHitsItsCellOrNothing) {
    for (int y = 0; y < faceplate::kHeight + 4; ++y) {
        for (int x = 0; x < faceplate::kWidth + 4; ++x) {
            int expected = -1;
            for (KeyCode code = 0; code < kKeyCount; ++code) {
                if (contains(keyCell(code), x, y)) expected = code;
            }
            // Keep SHIFT and ON from piling up effects: they change no geometry.
            ASSERT_EQ(keyAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(HitTest, GapsAndMarginsPressNothing) {
    const struct {
        int x;
        int y;
    } misses[] = {{49, 100}, {96, 100}, {143, 100}, {190, 100}, {60, 93},   {60, 133},
                  {60, 173}, {60, 213}, {60, 253},  {2, 100},   {237, 100}, {60, 49},
                  {60, 53},  {60, 293}, {-1, 100},  {60, -1}};
    for (const auto& miss : misses)
        EXPECT_EQ(keyAt(miss.x, miss.y), -1) << miss.x << "," << miss.y;
}

TEST_F(HitTest, AHitPressesTheKeyThroughTheEngine) {
    const Rect seven = keyCell(Key::Digit7);
    ASSERT_TRUE(hitTest(calculator, seven.left + 5, seven.top + 5));
    releaseKey(calculator);
    EXPECT_DOUBLE_EQ(readNumber(*calculator.display, false), 7.0);
}

}  // namespace
}  // namespace tabulor
