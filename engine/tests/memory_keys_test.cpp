#include <gtest/gtest.h>

#include "engine/tests/key_script.h"

namespace tabulor {
namespace {

using testing::KeyScript;
using testing::lineAfter;
using testing::LineCase;

class MemoryLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(MemoryLine, LeavesTheLine) {
    EXPECT_EQ(lineAfter(GetParam().tokens), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, MemoryLine,
    ::testing::Values(LineCase{"5 STO 3 C RCL 3", " 5.00"},
                      LineCase{"2 STO + 3 STO + 3 RCL 3", " 4.00"},
                      LineCase{"4 STO 3 C 5 RCL + 3 =", " 9.00"},  // the prefix survives +
                      LineCase{"4 STO 5 C 2 + RCL 5 =", " 6.00"}, LineCase{"RCL C 7", " 7_"},
                      LineCase{"SHIFT 5", " 5_"}, LineCase{"0 STO / 3", " 0.00  [ERROR FUNC]"}));

INSTANTIATE_TEST_SUITE_P(
    DisplayFormat, MemoryLine,
    ::testing::Values(
        LineCase{"DISP 4 2 / 3 =", " 0.6667"}, LineCase{"DISP 0 2 / 3 =", " 1"},
        LineCase{"2 / 3 = DISP =", " 666666666666"}, LineCase{"2 / 3 = DISP DISP", " 666666666666"},
        LineCase{"2 / 3 = DISP = WAIT", " 0.67"}, LineCase{"1234.5 = DISP =", " 123450000000"},
        LineCase{"DISP + 4 2 / 3 =", " 0.6667"},  // DISP survives other keys
        LineCase{"./, 1234.5 =", " 1.234,50"}, LineCase{"1234.5 = ./,", " 1.234,50"}));

INSTANTIATE_TEST_SUITE_P(Rounding, MemoryLine,
                         ::testing::Values(LineCase{"1 / 3 = RND", " 0.33"},
                                           LineCase{"7 RND", " 7.00"},
                                           LineCase{"1 E 999 RND", " 0FL0"},
                                           LineCase{"1 E 999 RND WAIT", " 1.00E300"},
                                           LineCase{"1.79769 E 308 = RND", " 0FL0"}));

TEST(MemoryKeys, StoreShowsTheValueAndEndsThePrefix) {
    KeyScript script;
    script.run("5 STO 3");
    EXPECT_EQ(script.calculator().registers[3], 5.0);
    EXPECT_EQ(script.line(), " 5.00");
    EXPECT_EQ(script.calculator().prefixMode, PrefixMode::None);
}

struct StorageCase {
    std::string_view tokens;
    double r3;
};

class StorageArithmetic : public ::testing::TestWithParam<StorageCase> {};

TEST_P(StorageArithmetic, RegisterIsTheLeftOperand) {
    KeyScript script;
    script.run("10 STO 3 C");
    script.run(GetParam().tokens);
    EXPECT_EQ(script.calculator().registers[3], GetParam().r3);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, StorageArithmetic,
    ::testing::Values(StorageCase{"4 STO + 3", 14.0}, StorageCase{"4 STO - 3", 6.0},
                      StorageCase{"4 STO * 3", 40.0}, StorageCase{"4 STO / 3", 2.5},
                      StorageCase{"4 STO + + 3", 14.0}, StorageCase{"4 STO + - 3", 6.0},
                      StorageCase{"4 STO + 3 STO + 3", 18.0},  // the shown 4 is added twice
                      StorageCase{"0 STO / 3", 0.0}, StorageCase{"STO . 3", 0.0}));

TEST(MemoryKeys, StorageOperatorSurvivesARecall) {
    KeyScript script;
    script.run("1 STO 4 C 9 STO 3 C");
    script.run("STO + RCL 3");
    EXPECT_EQ(script.line(), " 9.00");
    script.run("7 STO 4");
    EXPECT_EQ(script.calculator().registers[4], 8.0);
    EXPECT_EQ(script.calculator().storageOp, PendingOp::None);
}

TEST(MemoryKeys, RecallMarksAResultOnlyWhenNothingWaits) {
    KeyScript script;
    script.run("RCL 3");
    EXPECT_EQ(script.calculator().pendingOps[0], PendingOp::ResultShown);
    script.run("C 2 + RCL 3");
    EXPECT_EQ(script.calculator().pendingOps[0], PendingOp::Add);
}

TEST(MemoryKeys, RoundedValueCountsAsKeyed) {
    KeyScript script;
    script.run("1 / 3 = RND");
    EXPECT_EQ(script.value(), 0.33);
    EXPECT_TRUE(script.display().entryPending);
    script.run("PV");
    EXPECT_EQ(script.tvm().presentValue, 0.33);
}

TEST(MemoryKeys, RoundingAnOverflowKeepsTheMessageAndNothingKeyed) {
    for (const char* tokens : {"1 E 999 RND", "1.79769 E 308 = RND"}) {
        KeyScript script;
        script.run(tokens);
        EXPECT_EQ(script.value(), 1e300) << tokens;
        EXPECT_FALSE(script.display().entryPending) << tokens;
        EXPECT_TRUE(script.display().messageActive) << tokens;
        script.run("+ 1 =");  // the message's glyphs are never read as a number
        EXPECT_EQ(script.value(), 1e300) << tokens;
    }
}

TEST(MemoryKeys, DigitsChooseTheDecimals) {
    KeyScript script;
    script.run("DISP 9");
    EXPECT_EQ(script.display().decimals, 9);
    EXPECT_EQ(script.calculator().prefixMode, PrefixMode::None);
}

}  // namespace
}  // namespace tabulor
