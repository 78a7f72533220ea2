#include <gtest/gtest.h>

#include "engine/tests/key_script.h"

namespace tabulor {
namespace {

using testing::KeyScript;

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
