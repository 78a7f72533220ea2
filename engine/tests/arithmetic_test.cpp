#include <gtest/gtest.h>

#include <cmath>

#include "engine/tests/key_script.h"

namespace tabulor {
namespace {

using testing::KeyScript;
using testing::lineAfter;
using testing::LineCase;

class ArithmeticLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ArithmeticLine, LeavesTheLine) {
    EXPECT_EQ(lineAfter(GetParam().tokens), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    LeftToRight, ArithmeticLine,
    ::testing::Values(LineCase{"1 + 2 * 3 =", " 9.00"}, LineCase{"10 - 4 / 3 =", " 2.00"},
                      LineCase{"2 + * 3 =", " 12.00"},  // the second operator completes the first
                      LineCase{"2 + 3", " 3_  [PEND]"}, LineCase{"2 + 3 *", " 5.00  [PEND]"},
                      LineCase{"0 * 5 +/- =", " 0.00"}));

INSTANTIATE_TEST_SUITE_P(Parentheses, ArithmeticLine,
                         ::testing::Values(LineCase{"2 * ( 3 + 4 =", " 14.00"},
                                           LineCase{"2 + ( 3 * 4 )", " 12.00  [PEND]"},
                                           LineCase{"2 + ( 3 * 4 ) =", " 14.00"},
                                           LineCase{"5 ( 3", " 53_"},
                                           LineCase{"( ( ( ( (", " 0.00  [ERROR FULL]"},
                                           LineCase{"2 + 3 )", " 5.00"}));

INSTANTIATE_TEST_SUITE_P(
    Functions, ArithmeticLine,
    ::testing::Values(LineCase{"2 y^x 10 =", " 1,024.00"}, LineCase{"2 + 3 x^2 =", " 11.00"},
                      LineCase{"9 sqrt", " 3.00"}, LineCase{"4 +/- sqrt", "-4.00  [ERROR FUNC]"},
                      LineCase{"4 1/x", " 0.25"}, LineCase{"0 1/x", " 0.00  [ERROR FUNC]"},
                      LineCase{"5 / 0 =", " 0.00  [ERROR FUNC]"},
                      LineCase{"0 y^x 2 +/- =", "-2.00  [ERROR FUNC]"},
                      LineCase{"0 y^x 0 =", " 0.00  [ERROR FUNC]"},
                      LineCase{"5 / 0 = BS", " 0.00"}));

INSTANTIATE_TEST_SUITE_P(
    PercentAndConstant, ArithmeticLine,
    ::testing::Values(LineCase{"200 + 15 %", " 30.00  [PEND]"}, LineCase{"200 + 15 % =", " 230.00"},
                      LineCase{"200 - 15 % =", " 170.00"}, LineCase{"200 * 15 %", " 0.15  [PEND]"},
                      LineCase{"200 * 15 % =", " 30.00"}, LineCase{"50 %", " 0.50"},
                      LineCase{"200 + 15 % K =", " 230.00"},
                      LineCase{"200 + 15 % K = 100 =", " 115.00"},
                      LineCase{"200 + 15 % K = 300 =", " 345.00"},
                      LineCase{"200 * 15 % K = 300 =", " 45.00"}, LineCase{"2 * 3 K =", " 6.00"},
                      LineCase{"2 * 3 K = 5 =", " 15.00"}, LineCase{"2 * 3 K = 5 = =", " 45.00"},
                      LineCase{"2 * 3 K = 5 = + 1 =", " 16.00"},
                      LineCase{"2 - 3 K = 10 )", " 7.00"}));

INSTANTIATE_TEST_SUITE_P(
    Clearing, ArithmeticLine,
    ::testing::Values(LineCase{"2 + 3 C", " 0.00  [PEND]"}, LineCase{"2 + 3 C 4 =", " 6.00"},
                      LineCase{"2 + 3 C C 4 =", " 4.00"}, LineCase{"2 + ( 3 * C 5 =", " 7.00"},
                      LineCase{"2 + 3 CALL", " 12  P_YR"}, LineCase{"2 + 3 CALL WAIT", " 0.00"},
                      LineCase{"SHIFT SHIFT C", " 0.00"}));

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
    EXPECT_EQ(script.display().error, Error::Full);
}

TEST(Arithmetic, NegativeBaseToAFractionIsNotAnError) {
    KeyScript script;
    script.run("8 +/- y^x .5 =");
    EXPECT_EQ(script.display().error, Error::None);
    EXPECT_TRUE(std::isnan(script.value()));
}

}  // namespace
}  // namespace tabulor
