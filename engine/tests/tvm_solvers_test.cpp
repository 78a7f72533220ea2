#include "engine/tvm_solvers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace tabulor {
namespace {

TvmRegisters makeRegisters(double n, double interest, double pv, double pmt, double fv,
                           double paymentsPerYear) {
    TvmRegisters tvm;
    tvm.n = n;
    tvm.interestPerYear = interest;
    tvm.presentValue = pv;
    tvm.payment = pmt;
    tvm.futureValue = fv;
    tvm.paymentsPerYear = paymentsPerYear;
    return tvm;
}

// The equation's left-hand side at an annual rate in percent, worked through log1p/expm1 in
// extended precision rather than the power form the solvers use, so it checks them
// independently.
long double balanceAt(const TvmRegisters& tvm, bool beginMode, double annualPercent) {
    const long double i = static_cast<long double>(annualPercent) / 100.0L / tvm.paymentsPerYear;
    const long double growth = static_cast<long double>(tvm.n) * std::log1p(i);
    const long double z = std::exp(-growth);
    const long double annuity = -std::expm1(-growth) / i;
    const long double timing = beginMode ? 1.0L + i : 1.0L;
    return tvm.presentValue + tvm.payment * timing * annuity + tvm.futureValue * z;
}

long double balance(const TvmRegisters& tvm, bool beginMode) {
    return balanceAt(tvm, beginMode, tvm.interestPerYear);
}

// The same balance as a period-by-period sum of discounted cash flows (whole N only).
long double discountedCashFlows(const TvmRegisters& tvm, bool beginMode, double annualPercent) {
    const long double v =
        1.0L / (1.0L + static_cast<long double>(annualPercent) / 100.0L / tvm.paymentsPerYear);
    const int periods = static_cast<int>(tvm.n);
    long double sum = tvm.presentValue;
    long double factor = beginMode ? 1.0L : v;
    for (int t = 0; t < periods; ++t) {
        sum += tvm.payment * factor;
        factor *= v;
    }
    long double end = 1.0L;
    for (int t = 0; t < periods; ++t)
        end *= v;
    return sum + tvm.futureValue * end;
}

// How large the flows are, so an imbalance can be judged relative to them.
double flowSize(const TvmRegisters& tvm) {
    return std::fabs(tvm.presentValue) + std::fabs(tvm.payment * tvm.n) +
           std::fabs(tvm.futureValue);
}

enum class Unknown { N, Rate, PresentValue, Payment, FutureValue };

double& registerOf(TvmRegisters& tvm, Unknown unknown) {
    switch (unknown) {
        case Unknown::N:
            return tvm.n;
        case Unknown::Rate:
            return tvm.interestPerYear;
        case Unknown::PresentValue:
            return tvm.presentValue;
        case Unknown::Payment:
            return tvm.payment;
        case Unknown::FutureValue:
            return tvm.futureValue;
    }
    std::abort();
}

double solveFor(Unknown unknown, TvmRegisters& tvm, bool beginMode, int decimals,
                ErrorCode& error) {
    switch (unknown) {
        case Unknown::N:
            return solveN(tvm, beginMode, error);
        case Unknown::Rate:
            return solveInterest(tvm, beginMode, decimals, error);
        case Unknown::PresentValue:
            return solvePresentValue(tvm, beginMode, error);
        case Unknown::Payment:
            return solvePayment(tvm, beginMode, error);
        case Unknown::FutureValue:
            return solveFutureValue(tvm, beginMode, error);
    }
    std::abort();
}

// ---------------------------------------------------------------------------------------------
// Closed forms: the worked examples, checked to four places and against the equation.

struct WorkedExample {
    std::string label;
    TvmRegisters tvm;
    bool beginMode;
    Unknown unknown;
    double fourPlaces;
};

TEST(TvmClosedForms, WorkedExamplesMatchAndBalance) {
    const std::vector<WorkedExample> examples = {
        {"payment END", makeRegisters(360, 6, 100000, 0, 0, 12), false, Unknown::Payment,
         -599.5505},
        {"payment BEGIN", makeRegisters(360, 6, 100000, 0, 0, 12), true, Unknown::Payment,
         -596.5677},
        {"present value END", makeRegisters(10, 5, 0, -100, 0, 1), false, Unknown::PresentValue,
         772.1735},
        {"present value BEGIN", makeRegisters(10, 5, 0, -100, 0, 1), true, Unknown::PresentValue,
         810.7822},
        {"future value END", makeRegisters(10, 5, -1000, 0, 0, 1), false, Unknown::FutureValue,
         1628.8946},
        {"term END", makeRegisters(0, 6, 100000, -599.55, 0, 12), false, Unknown::N, 360.0009},
    };
    for (const WorkedExample& example : examples) {
        SCOPED_TRACE(example.label);
        TvmRegisters tvm = example.tvm;
        ErrorCode error = ErrorCode::None;
        const double result = solveFor(example.unknown, tvm, example.beginMode, 2, error);
        EXPECT_NEAR(result, example.fourPlaces, 5e-5);
        EXPECT_EQ(error, ErrorCode::None);
        registerOf(tvm, example.unknown) = result;
        EXPECT_NEAR(static_cast<double>(balance(tvm, example.beginMode)), 0.0,
                    1e-12 * flowSize(tvm));
    }
}

TEST(TvmClosedForms, SolvingTermWritesYears) {
    TvmRegisters tvm = makeRegisters(0, 6, 100000, -599.55, 0, 12);
    tvm.years = 99.0;
    ErrorCode error = ErrorCode::None;
    const double n = solveN(tvm, false, error);
    EXPECT_NEAR(tvm.years, 30.0001, 5e-5);
    EXPECT_NEAR(tvm.years * tvm.paymentsPerYear, n, 1e-9);
    EXPECT_EQ(error, ErrorCode::None);
}

// ---------------------------------------------------------------------------------------------
// Round trips: a consistent problem is built from N, I/YR, PV and PMT (FV from the equation in
// extended precision); each register solved from the other four must come back.

struct Scenario {
    std::string label;
    double n;
    double interest;
    double pv;
    double pmt;
    double paymentsPerYear;
    bool beginMode;
};

TvmRegisters consistentProblem(const Scenario& s) {
    TvmRegisters tvm = makeRegisters(s.n, s.interest, s.pv, s.pmt, 0.0, s.paymentsPerYear);
    const long double i = static_cast<long double>(s.interest) / 100.0L / s.paymentsPerYear;
    const long double growth = static_cast<long double>(s.n) * std::log1p(i);
    const long double annuity = -std::expm1(-growth) / i;
    const long double timing = s.beginMode ? 1.0L + i : 1.0L;
    tvm.futureValue = static_cast<double>(-(s.pv + s.pmt * timing * annuity) * std::exp(growth));
    return tvm;
}

TEST(TvmRoundTrip, EveryRegisterComesBackInBothModes) {
    const std::vector<Scenario> scenarios = {
        {"mortgage", 360, 6, 100000, -599.55, 12, false},
        {"mortgage in advance", 360, 6, 100000, -599.55, 12, true},
        {"car loan with balloon", 48, 7.5, 25000, -450, 12, false},
        {"borrower's signs", 60, 9, -20000, 400, 12, false},
        {"monthly savings", 120, 4, -1000, -100, 12, false},
        {"monthly savings in advance", 120, 4, -1000, -100, 12, true},
        {"quarterly plan in advance", 40, 8, -5000, -250, 4, true},
        {"annual, high rate", 12, 36, 1000, -100, 1, false},
        {"weekly", 104, 3.5, -200, -25, 52, true},
        // The first guess lies above the rate with payments coming in: the search halves.
        {"lender's long annuity", 150, 10, -1000, 90, 1, false},
    };
    const Unknown unknowns[] = {Unknown::N, Unknown::Rate, Unknown::PresentValue, Unknown::Payment,
                                Unknown::FutureValue};
    for (const Scenario& scenario : scenarios) {
        const TvmRegisters problem = consistentProblem(scenario);
        for (const Unknown unknown : unknowns) {
            SCOPED_TRACE(scenario.label + ", unknown #" +
                         std::to_string(static_cast<int>(unknown)));
            TvmRegisters tvm = problem;
            registerOf(tvm, unknown) = 0.0;
            ErrorCode error = ErrorCode::None;
            const double result = solveFor(unknown, tvm, scenario.beginMode, 9, error);
            EXPECT_EQ(error, ErrorCode::None);
            TvmRegisters original = problem;
            const double expected = registerOf(original, unknown);
            if (unknown == Unknown::Rate) {
                EXPECT_NEAR(result, expected, 1e-6);
                EXPECT_LE(
                    std::fabs(static_cast<double>(balanceAt(problem, scenario.beginMode, result))),
                    1e-10 + 1e-14 * flowSize(problem));
            } else {
                // Near-cancelling flows (a mortgage's leftover FV) leave only a few digits; judge
                // the error against the flows carried forward to the last period.
                const double compounding = std::pow(
                    1.0 + scenario.interest / 100.0 / scenario.paymentsPerYear, scenario.n);
                EXPECT_NEAR(result, expected,
                            1e-12 * std::max(1.0, flowSize(problem) * compounding));
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Refusals: ERROR TVM and the register's own value back, so the key's store changes nothing.

struct Refusal {
    std::string label;
    TvmRegisters tvm;
    bool beginMode;
    Unknown unknown;
};

TEST(TvmRefusals, LeaveTheRegisterAndRaiseErrorTvm) {
    const std::vector<Refusal> refusals = {
        {"payment, no P/YR", makeRegisters(360, 6, 100000, 0, 0, 0), false, Unknown::Payment},
        {"payment in advance, 1 + i = 0", makeRegisters(360, -1200, 100000, 0, 0, 12), true,
         Unknown::Payment},
        {"payment, no periods", makeRegisters(0, 6, 100000, 0, 0, 12), false, Unknown::Payment},
        {"payment, no periods at a zero rate", makeRegisters(0, 0, 100000, 0, 0, 12), false,
         Unknown::Payment},
        {"present value, no P/YR", makeRegisters(10, 5, 0, -100, 0, 0), false,
         Unknown::PresentValue},
        {"future value, no P/YR", makeRegisters(10, 5, -1000, 0, 0, 0), false,
         Unknown::FutureValue},
        {"future value, no periods", makeRegisters(0, 5, -1000, -10, 0, 1), false,
         Unknown::FutureValue},
        {"term, no P/YR", makeRegisters(0, 6, 100000, -599.55, 0, 0), false, Unknown::N},
        {"term, no payment at a zero rate", makeRegisters(0, 0, 100000, 0, -100000, 12), false,
         Unknown::N},
        {"term, 1 + i = 0", makeRegisters(0, -1200, 100000, -599.55, 0, 12), false, Unknown::N},
        {"term, 1 + i below 0", makeRegisters(0, -2400, 100000, -599.55, 0, 12), false, Unknown::N},
        {"term, FV x i equals the payment", makeRegisters(0, 6, 100000, 0, 0, 12), false,
         Unknown::N},
        {"term, payment below the interest", makeRegisters(0, 6, 100000, -100, 0, 12), false,
         Unknown::N},
        {"term, payment below the interest in advance", makeRegisters(0, 6, 100000, -100, 0, 12),
         true, Unknown::N},
        {"rate, no present value", makeRegisters(360, 0, 0, -599.55, 0, 12), false, Unknown::Rate},
        {"rate, no P/YR", makeRegisters(360, 0, 100000, -599.55, 0, 0), false, Unknown::Rate},
    };
    constexpr double held = 42.25;
    constexpr double heldYears = 7.5;
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.label);
        TvmRegisters tvm = refusal.tvm;
        registerOf(tvm, refusal.unknown) = held;
        tvm.years = heldYears;
        ErrorCode error = ErrorCode::None;
        const double result = solveFor(refusal.unknown, tvm, refusal.beginMode, 2, error);
        EXPECT_EQ(result, held);
        EXPECT_EQ(error, ErrorCode::Tvm);
        EXPECT_EQ(tvm.years, heldYears);
    }
}

// Where 1 + i is 1, a zero rate or one too small to move it, the flows balance without interest,
// in either timing.
TEST(TvmClosedForms, WithoutInterestTheFlowsBalance) {
    struct ZeroRate {
        Unknown unknown;
        TvmRegisters tvm;
        double expected;
    };
    const std::vector<ZeroRate> cases = {
        {Unknown::Payment, makeRegisters(60, 0, 48000, 0, -3000, 12), -750.0},
        {Unknown::PresentValue, makeRegisters(10, 1e-14, 0, -100, 50, 12), 950.0},
        {Unknown::FutureValue, makeRegisters(24, 0, 10000, -500, 0, 12), 2000.0},
        {Unknown::N, makeRegisters(0, 1e-14, 48000, -800, 0, 12), 60.0},
    };
    for (const ZeroRate& c : cases) {
        for (const bool beginMode : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(c.unknown)) +
                         (beginMode ? ", BEGIN" : ", END"));
            TvmRegisters tvm = c.tvm;
            ErrorCode error = ErrorCode::None;
            EXPECT_EQ(solveFor(c.unknown, tvm, beginMode, 2, error), c.expected);
            EXPECT_EQ(error, ErrorCode::None);
            if (c.unknown == Unknown::N) EXPECT_EQ(tvm.years, 5.0);
        }
    }
}

TEST(TvmClosedForms, NoPeriodsStillGivesPresentValue) {
    for (const bool beginMode : {false, true}) {
        SCOPED_TRACE(beginMode ? "BEGIN" : "END");
        const TvmRegisters tvm = makeRegisters(0, 5, 0, -100, 2500, 12);
        ErrorCode error = ErrorCode::None;
        EXPECT_EQ(solvePresentValue(tvm, beginMode, error), -2500.0);
        EXPECT_EQ(error, ErrorCode::None);
    }
}

TEST(TvmClosedForms, OverflowIsReturnedNotRefused) {
    const TvmRegisters tvm = makeRegisters(1e6, 12, -1000, 0, 0, 1);
    ErrorCode error = ErrorCode::None;
    const double fv = solveFutureValue(tvm, false, error);
    EXPECT_TRUE(std::isinf(fv));
    EXPECT_GT(fv, 0.0);
    EXPECT_EQ(error, ErrorCode::None);
}

// ---------------------------------------------------------------------------------------------
// The rate search.

TEST(TvmRateSearch, MortgageRateToTheDisplayedPlaces) {
    const TvmRegisters tvm = makeRegisters(360, 0, 100000, -599.55, 0, 12);
    ErrorCode error = ErrorCode::None;
    const double rate = solveInterest(tvm, false, 2, error);
    EXPECT_NEAR(rate, 5.99999, 5e-6);
    EXPECT_EQ(std::lround(rate * 100.0), 600);  // shows as 6.00
    EXPECT_EQ(error, ErrorCode::None);
}

struct NoSolution {
    std::string label;
    TvmRegisters tvm;
};

TEST(TvmRateSearch, ProblemsWithoutPositiveRateFailQuietly) {
    const std::vector<NoSolution> problems = {
        // The first guess is 0 and every trial stays there.
        {"no payment, no future value", makeRegisters(10, 0, -100, 0, 0, 1)},
        // Growing 100 into 90 takes a negative rate, which is never answered.
        {"loss", makeRegisters(10, 0, -100, 0, 90, 1)},
        // Flows all of one sign.
        {"one-sided flows", makeRegisters(36, 0, 1000, 50, 200, 12)},
    };
    for (const NoSolution& problem : problems) {
        for (const bool beginMode : {false, true}) {
            SCOPED_TRACE(problem.label + (beginMode ? ", BEGIN" : ", END"));
            ErrorCode error = ErrorCode::None;
            EXPECT_EQ(solveInterest(problem.tvm, beginMode, 2, error), -1.0);
            EXPECT_EQ(error, ErrorCode::None);
        }
    }
}

struct KnownRate {
    std::string label;
    TvmRegisters tvm;
    bool beginMode;
    double percent;  // published, to ten places
};

// Savings plans (money paid in, a target taken out) whose doubling search never changes sign.
TEST(TvmRateSearch, PublishedSavingsRates) {
    const std::vector<KnownRate> cases = {
        {"END", makeRegisters(24, 0, -10000, -1000, 100000, 1), false, 6.5178911772},
        {"BEGIN", makeRegisters(24, 0, -10000, -1000, 100000, 1), true, 6.3239580002},
    };
    for (const KnownRate& known : cases) {
        SCOPED_TRACE(known.label);
        ErrorCode error = ErrorCode::None;
        const double rate = solveInterest(known.tvm, known.beginMode, 9, error);
        EXPECT_NEAR(rate, known.percent, 1e-10);
        EXPECT_EQ(error, ErrorCode::None);
        EXPECT_NEAR(static_cast<double>(discountedCashFlows(known.tvm, known.beginMode, rate)), 0.0,
                    1e-9);
    }
}

TEST(TvmRateSearch, SavingsPlansFindTheirRate) {
    const std::vector<Scenario> plans = {
        {"deposit and monthly saving", 120, 4, -1000, -100, 12, false},
        {"deposit and monthly saving in advance", 120, 4, -1000, -100, 12, true},
        {"small deposit, monthly saving", 240, 6.25, -1, -300, 12, false},
        {"deposit only, quarterly", 20, 3, -2000, 0, 4, false},
        {"small annual saving, high rate", 10, 15, -10, -10, 1, true},
    };
    for (const Scenario& plan : plans) {
        SCOPED_TRACE(plan.label);
        const TvmRegisters tvm = consistentProblem(plan);
        ErrorCode error = ErrorCode::None;
        const double rate = solveInterest(tvm, plan.beginMode, 9, error);
        EXPECT_NEAR(rate, plan.interest, 1e-6);
        EXPECT_EQ(error, ErrorCode::None);
        EXPECT_LE(std::fabs(static_cast<double>(balanceAt(tvm, plan.beginMode, rate))),
                  1e-10 + 1e-14 * flowSize(tvm));
    }
}

TEST(TvmRateSearch, FirstGuessOfZeroWithPaymentsStillSolves) {
    // FV − PMT × N is 0, so the first guess is 0, yet a positive rate balances the flows.
    const TvmRegisters tvm = makeRegisters(10, 0, -50, 10, 100, 1);
    ErrorCode error = ErrorCode::None;
    const double rate = solveInterest(tvm, false, 9, error);
    EXPECT_GT(rate, 0.0);
    EXPECT_EQ(error, ErrorCode::None);
    EXPECT_NEAR(static_cast<double>(discountedCashFlows(tvm, false, rate)), 0.0, 1e-9);
}

struct ToleranceCase {
    double futureValue;
    int decimals;
    bool firstGuessAccepted;
};

// One period, PV −100, no payment: the first guess is FV/100 % and its residual is set by how
// far FV is from 100/0.99. The guess is taken exactly when that residual is below
// 10^−(decimals + 1).
TEST(TvmRateSearch, ToleranceFollowsTheDecimals) {
    const std::vector<ToleranceCase> cases = {
        {100.959, 0, true},                                      // residual about 0.05
        {100.959, 1, false},        {101.0101010096, 8, true},   // residual about 5e-10
        {101.0101010096, 9, false}, {101.01010101005, 9, true},  // residual about 5e-11
    };
    for (const ToleranceCase& c : cases) {
        SCOPED_TRACE("FV " + std::to_string(c.futureValue) + ", decimals " +
                     std::to_string(c.decimals));
        const TvmRegisters tvm = makeRegisters(1, 0, -100, 0, c.futureValue, 1);
        const double firstGuess = c.futureValue / 100.0;
        const double tolerance = std::pow(10.0, -(c.decimals + 1));
        ErrorCode error = ErrorCode::None;
        const double rate = solveInterest(tvm, false, c.decimals, error);
        EXPECT_EQ(error, ErrorCode::None);
        if (c.firstGuessAccepted) {
            EXPECT_DOUBLE_EQ(rate, firstGuess);
        } else {
            EXPECT_GT(std::fabs(rate - firstGuess), 1e-13);
        }
        EXPECT_LT(std::fabs(static_cast<double>(balanceAt(tvm, false, rate))), tolerance);
    }
}

TEST(TvmResidual, VanishesAtTheSolvedRateAndSignsTheDirection) {
    const TvmRegisters tvm = makeRegisters(360, 0, 100000, -599.55, 0, 12);
    // Too low a rate leaves the payments more than enough; too high, not enough.
    EXPECT_LT(tvmResidual(tvm, false, 0.05), 0.0);
    EXPECT_GT(tvmResidual(tvm, false, 0.07), 0.0);
    EXPECT_NEAR(tvmResidual(tvm, false, 0.06), static_cast<double>(balanceAt(tvm, false, 6.0)),
                1e-7);
    EXPECT_TRUE(std::isnan(tvmResidual(tvm, false, 0.0)));
}

}  // namespace
}  // namespace tabulor
