// Hit testing on the faceplate's geometry: the corners of a cell press its key, gaps and the
// edges of the keypad press nothing.
#include "faceplate/hit_test.h"

#include <gtest/gtest.h>

#include "faceplate/geometry.h"

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

// The corner pixels of cells at the keypad's four corners and in its middle, written out rather
// than taken from the geometry, so that a changed pitch or origin shows here.
TEST_F(HitTest, TheCornersOfACellPressItsKey) {
    const struct {
        int x;
        int y;
        KeyCode key;
    } hits[] = {{3, 54, Key::N},
                {48, 92, Key::N},
                {191, 54, Key::FutureValue},
                {236, 92, Key::FutureValue},
                {3, 254, Key::On},
                {48, 292, Key::On},
                {191, 254, Key::Add},
                {236, 292, Key::Add},
                {97, 134, Key::Digit8},
                {142, 172, Key::Digit8}};
    for (const auto& hit : hits)
        EXPECT_EQ(keyAt(hit.x, hit.y), hit.key) << hit.x << "," << hit.y;
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
    const Rect seven = faceplate::keyCell(Key::Digit7);
    ASSERT_TRUE(hitTest(calculator, seven.left + 5, seven.top + 5));
    releaseKey(calculator);
    EXPECT_DOUBLE_EQ(readNumber(*calculator.display, false), 7.0);
}

}  // namespace
}  // namespace tabulor
