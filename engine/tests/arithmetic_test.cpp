#include <gtest/gtest.h>

#include <cmath>

#include "engine/tests/key_script.h"

namespace tabulor {
namespace {

using testing::KeyScript;

TEST(Arithmetic, FullErrorKeepsTheDepthAtTheTop) {
    KeyScript script;
    script.run("( ( ( ( (");
    EXPECT_EQ(script.calculator().depth, 4);
}

TEST(Arithmetic, CloseWithoutOpenLevelDoesNotMarkAResult) {
    KeyScript script;
    script.run("2 + 3 )");
    EXPECT_EQ(script.calculator().depth, 0);
    EXPECT_EQ(script.calculator().pendingOps[0], PendingOp::None);
    script.run("=");
    EXPECT_EQ(script.calculator().pendingOps[0], PendingOp::ResultShown);
}

TEST(Arithmetic, ConstantAfterEqualsCapturesTheResultMark) {
    KeyScript script;
    script.run("2 + 3 = K");
    EXPECT_EQ(script.calculator().constantOp, PendingOp::ResultShown);
    script.run("7 =");
    EXPECT_EQ(script.value(), 5.0);  // each = now shows the captured operand itself
}

TEST(Arithmetic, ConstantNeedsAWaitingOperation) {
    KeyScript script;
    script.run("5 K");
    EXPECT_EQ(script.calculator().constantOp, PendingOp::None);
    EXPECT_EQ(script.line(), " 5_");
}

TEST(Arithmetic, PercentTakesTheDoubleNearestAHundredth) {
    KeyScript script;
    script.run("200 + 15 %");
    EXPECT_EQ(script.value(), 200.0 * (15.0 * 0.01));
    script.run("=");
    EXPECT_EQ(script.value(), 200.0 + 200.0 * (15.0 * 0.01));
}

TEST(Arithmetic, PercentConstantMultipliesInItsOrder) {
    KeyScript script;
    script.run("200 + 15 % K = 300 =");
    // The constant adds (percentBase × v) × 0.01 with the base kept from the % key.
    EXPECT_EQ(script.value(), 300.0 + (15.0 * 300.0) * 0.01);
}

TEST(Arithmetic, ClearAllLeavesTheDepth) {
    KeyScript script;
    script.run("( ( CALL");
    EXPECT_EQ(script.calculator().depth, 2);
    script.run("WAIT ( ( (");
    EXPECT_EQ(script.display().error, ErrorCode::Full);
}

TEST(Arithmetic, NegativeBaseToAFractionIsNotAnError) {
    KeyScript script;
    script.run("8 +/- y^x .5 =");
    EXPECT_EQ(script.display().error, ErrorCode::None);
    EXPECT_TRUE(std::isnan(script.value()));
}

}  // namespace
}  // namespace tabulor
