#include <gtest/gtest.h>

#include <cmath>

#include "engine/tests/key_script.h"

namespace tabulor {
namespace {

using testing::KeyScript;

TEST(TvmKeys, RegistersHoldFullPrecision) {
    KeyScript script;
    script.run("360 N 6 I/YR 100000 PV 0 FV PMT");
    EXPECT_NEAR(script.tvm().payment, -599.5505, 5e-5);
    script.run("599.55 +/- PMT N");
    EXPECT_NEAR(script.tvm().n, 360.0009, 5e-5);
    EXPECT_NEAR(script.tvm().years, 30.0001, 5e-5);
}

TEST(TvmKeys, KeyedNumberIsStoredAndASecondPressSolves) {
    KeyScript script;
    script.run("5 N");
    EXPECT_EQ(script.tvm().n, 5.0);
    EXPECT_EQ(script.tvm().years, 0.0);  // storing N leaves the term alone
    script.run("6 I/YR 100000 PV 599.55 +/- PMT 0 FV N");
    EXPECT_NEAR(script.tvm().n, 360.0009, 5e-5);
}

// 360 monthly payments of 599.55 at 6 % a year, discounted: the annuity formula.
const double kPresentValueOf360Payments = 599.55 * (1.0 - std::pow(1.005, -360.0)) / 0.005;

// Whether the key stores what is shown (and what that is) or solves for its register.
struct StoreOrSolveCase {
    std::string_view setup;
    bool stores;
    double stored = 0.0;
};

void PrintTo(const StoreOrSolveCase& c, std::ostream* os) {
    *os << '"' << c.setup << '"';
}

class StoreOrSolve : public ::testing::TestWithParam<StoreOrSolveCase> {};

TEST_P(StoreOrSolve, PresentValueKey) {
    KeyScript script;
    script.run("360 N 6 I/YR 599.55 +/- PMT 0 FV 42 STO 1 C");
    script.run(GetParam().setup);
    script.run("PV");
    if (GetParam().stores) {
        EXPECT_EQ(script.tvm().presentValue, GetParam().stored);
    } else {
        EXPECT_NEAR(script.tvm().presentValue, kPresentValueOf360Payments, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StoreOrSolve,
    ::testing::Values(StoreOrSolveCase{"", false},                  // nothing keyed, nothing waits
                      StoreOrSolveCase{"7", true, 7.0},             // an entry
                      StoreOrSolveCase{"7 =", true, 7.0},           // a result
                      StoreOrSolveCase{"RCL 1", true, 42.0},        // a recall marks a result
                      StoreOrSolveCase{"2 / 3 = RND", true, 0.67},  // rounded counts as keyed
                      StoreOrSolveCase{"STO", true, 0.0},           // STO never solves
                      StoreOrSolveCase{"2 + (", false},             // only the current level counts
                      StoreOrSolveCase{"3 * 2 K = C", false},       // C drops the constant
                      StoreOrSolveCase{"DISP", false}));            // DISP is dropped, as if absent

TEST(TvmKeys, OpenParenthesisBehindAnOperatorSolvesAndKeepsTheOuterOperator) {
    KeyScript script;
    script.run("360 N 6 I/YR 599.55 +/- PMT 0 FV 2 + ( PV");
    EXPECT_NEAR(script.tvm().presentValue, kPresentValueOf360Payments, 1e-6);
    EXPECT_EQ(script.calculator().pendingOps[0], PendingOp::Add);
}

TEST(TvmKeys, ConstantInForceMakesTheSecondPressStore) {
    KeyScript script;
    script.run("2 * 3 K = 5 N");
    EXPECT_EQ(script.tvm().n, 15.0);  // 5 × the constant 3
    script.run("N");
    EXPECT_EQ(script.tvm().n, 45.0);  // the constant answers again instead of a solve
}

TEST(TvmKeys, SolvedRateIsAResultTheNextKeyStores) {
    KeyScript script;
    script.run("360 N 100000 PV 599.55 +/- PMT 0 FV I/YR");
    EXPECT_NEAR(script.tvm().interestPerYear, 5.99999, 5e-6);
    EXPECT_EQ(script.tvm().nominalPercent, script.tvm().interestPerYear);
    script.run("PV");
    EXPECT_EQ(script.tvm().presentValue, script.tvm().interestPerYear);
}

TEST(TvmKeys, SolvedNIsNotAResult) {
    KeyScript script;
    script.run("6 I/YR 100000 PV 599.55 +/- PMT 0 FV N PV");
    EXPECT_NEAR(script.tvm().presentValue, 100000.0, 0.01);  // PV solved again, not stored
}

TEST(TvmKeys, TermInYears) {
    KeyScript script;
    script.run("30 xP/YR");
    EXPECT_EQ(script.tvm().years, 30.0);
    EXPECT_EQ(script.tvm().n, 360.0);
    script.run("C 20 STO xP/YR");
    EXPECT_EQ(script.tvm().years, 20.0);
    EXPECT_EQ(script.tvm().n, 360.0);
    EXPECT_EQ(script.line(), " 20.00");
    script.run("C RCL xP/YR");
    EXPECT_EQ(script.line(), " 20.00");
    script.run("C 4 P/YR");
    EXPECT_EQ(script.tvm().paymentsPerYear, 4.0);
    EXPECT_EQ(script.tvm().years, 60.0);
    EXPECT_EQ(script.tvm().n, 360.0);
}

TEST(TvmKeys, RefusedPaymentsPerYearChangeNothing) {
    for (const char* offered : {"12.5", "0", ".5", "1 E 999"}) {
        KeyScript script;
        script.run("30 xP/YR C");
        script.run(std::string(offered) + " P/YR");
        EXPECT_EQ(script.display().error, ErrorCode::Tvm) << offered;
        EXPECT_EQ(script.tvm().paymentsPerYear, 12.0) << offered;
        EXPECT_EQ(script.tvm().years, 30.0) << offered;
    }
}

TEST(TvmKeys, NegativeRateRule) {
    KeyScript script;
    script.run("5 +/- I/YR");
    EXPECT_EQ(script.tvm().interestPerYear, 0.0);
    EXPECT_EQ(script.tvm().nominalPercent, 0.0);
    script.run("WAIT 5 +/- STO I/YR");
    EXPECT_EQ(script.tvm().interestPerYear, -5.0);
    EXPECT_EQ(script.tvm().nominalPercent, -5.0);
    script.run("C 7 +/- NOM%");
    EXPECT_EQ(script.tvm().interestPerYear, -7.0);
    EXPECT_EQ(script.tvm().nominalPercent, -7.0);
}

TEST(TvmKeys, BeginEndToggleKeepsEntryAndPrefix) {
    KeyScript script;
    script.run("7 BEG/END N");
    EXPECT_TRUE(script.display().beginMode);
    EXPECT_EQ(script.tvm().n, 7.0);
    script.run("C 3 STO 5 C RCL BEG/END 5");
    EXPECT_FALSE(script.display().beginMode);
    EXPECT_EQ(script.value(), 3.0);
}

TEST(TvmKeys, RateConversions) {
    KeyScript script;
    script.run("12 NOM% C EFF%");
    EXPECT_NEAR(script.tvm().effectivePercent, 12.6825, 5e-5);
    EXPECT_EQ(script.calculator().pendingOps[0], PendingOp::ResultShown);
    script.run("NOM%");  // the result shown is stored, not converted
    EXPECT_EQ(script.tvm().nominalPercent, script.tvm().effectivePercent);
    script.run("NOM%");
    EXPECT_NEAR(script.tvm().nominalPercent, 12.0, 1e-9);
    EXPECT_EQ(script.tvm().interestPerYear, script.tvm().nominalPercent);
}

TEST(TvmKeys, FailedNominalConversionStoresZero) {
    KeyScript script;
    script.run("8 I/YR 100 +/- EFF% C NOM%");
    EXPECT_EQ(script.display().error, ErrorCode::Tvm);
    EXPECT_EQ(script.tvm().nominalPercent, 0.0);
    EXPECT_EQ(script.tvm().interestPerYear, 0.0);
}

TEST(TvmKeys, StoreLeavesTheStorageOperatorForTheNextRegisterStore) {
    KeyScript script;
    script.run("5 STO 2 C 3 STO + N");
    EXPECT_EQ(script.tvm().n, 3.0);
    script.run("STO 2");
    EXPECT_EQ(script.calculator().registers[2], 8.0);
}

TEST(TvmKeys, ClearAllKeepsPaymentsPerYearAndBegin) {
    KeyScript script;
    script.run("4 P/YR BEG/END 1 N 2 I/YR 3 PV 4 PMT 5 FV 6 xP/YR 7 EFF% CALL");
    const TvmRegisters& tvm = script.tvm();
    for (const double v : {tvm.n, tvm.interestPerYear, tvm.presentValue, tvm.payment,
                           tvm.futureValue, tvm.years, tvm.nominalPercent, tvm.effectivePercent}) {
        EXPECT_EQ(v, 0.0);
    }
    EXPECT_EQ(tvm.paymentsPerYear, 4.0);
    EXPECT_TRUE(script.display().beginMode);
}

}  // namespace
}  // namespace tabulor
