// The rule against the closed forms over random loans, and what it refuses. The published
// figures, BEGIN mode and savings plans are golden rows of tabulor-cli (amortization.tsv).
#include "finance/amortization.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "display/number_text.h"
#include "engine/tvm_solvers.h"

namespace tabulor {
namespace {

constexpr int kDecimals = 9;
constexpr double kUnit = 1e-9;  // of the last decimal

// Loans as people take them: 1 to 30 years of yearly, quarterly or monthly payments at 0 to 20 %
// a year, some with a balloon left at the end, the payment solved for and kept unrounded.
AmortizationTerms randomLoan(std::mt19937_64& random) {
    AmortizationTerms terms;
    terms.decimals = kDecimals;
    terms.beginMode = random() % 2 == 0;
    TvmRegisters& tvm = terms.tvm;
    const double perYear[] = {1.0, 4.0, 12.0};
    tvm.paymentsPerYear = perYear[random() % 3];
    tvm.n = tvm.paymentsPerYear * static_cast<double>(1 + random() % 30);
    tvm.interestPerYear =
        random() % 10 == 0 ? 0.0 : std::uniform_real_distribution(1.0, 20.0)(random);
    tvm.presentValue = std::uniform_real_distribution(100.0, 100000.0)(random);
    tvm.futureValue = -std::uniform_real_distribution(0.0, 0.5)(random) * tvm.presentValue;
    ErrorCode error = ErrorCode::None;
    tvm.payment = solvePayment(tvm, terms.beginMode, error);
    return terms;
}

TEST(Amortization, RandomLoansEndAtTheirFutureValueAndEveryRangeAddsUpToItsPayments) {
    std::mt19937_64 random(20);
    for (int loan = 0; loan < 3000; ++loan) {
        const AmortizationTerms terms = randomLoan(random);
        const TvmRegisters& tvm = terms.tvm;
        const auto payments = static_cast<std::int64_t>(tvm.n);
        SCOPED_TRACE(testing::Message()
                     << "loan " << loan << ": N " << tvm.n << ", I/YR " << tvm.interestPerYear
                     << ", P/YR " << tvm.paymentsPerYear << (terms.beginMode ? ", BEGIN" : ""));
        ErrorCode error = ErrorCode::None;
        const double s = 1.0 + periodRate(tvm);
        // In BEGIN mode the last payment falls a period before the FV does.
        const double owed =
            -solveFutureValue(tvm, terms.beginMode, error) / (terms.beginMode ? s : 1.0);
        // Each payment's roundings (its interest, its balance and the payment itself) move the
        // balance by at most one and a half units, the first balance by half of one, and every
        // unit earns interest until the end; one more for the closed form's own rounding.
        double growth = 0.0;
        for (std::int64_t j = 0; j < payments; ++j)
            growth += std::pow(s, static_cast<double>(j));
        const double tolerance = (1.5 * growth + 0.5 * std::pow(s, tvm.n) + 1.0) * kUnit;
        const AmortizedRange whole = amortizeRange(terms, 1, payments);
        ASSERT_EQ(whole.refusal, "");
        EXPECT_NEAR(whole.span.balance, owed, tolerance);

        const double payment = parseLeadingNumber(textOf(printFixed(tvm.payment, kDecimals)));
        for (int k = 0; k < 4; ++k) {
            std::uniform_int_distribution<std::int64_t> pick(1, payments);
            std::int64_t first = pick(random);
            std::int64_t last = pick(random);
            if (first > last) std::swap(first, last);
            const AmortizationSpan span = amortizeRange(terms, first, last).span;
            // Beyond the 15 digits a double carries, the sums lose their last decimals.
            const double sumTolerance =
                kUnit + 1e-14 * (std::fabs(span.interest) + std::fabs(span.principal));
            EXPECT_NEAR(span.interest + span.principal,
                        static_cast<double>(last - first + 1) * payment, sumTolerance)
                << "payments " << first << "-" << last;
        }
    }
}

TEST(Amortization, RefusesWithItsReasonBeforeAnyRow) {
    struct Case {
        const char* what;
        TvmRegisters tvm;
        std::string refusal;
    };
    const TvmRegisters loan{.n = 12, .interestPerYear = 6, .presentValue = 1000, .payment = -90};
    TvmRegisters fractionalN = loan;
    fractionalN.n = 12.5;
    TvmRegisters noN = loan;
    noN.n = 0;
    TvmRegisters hugeN = loan;
    hugeN.n = 1e16;
    TvmRegisters noPaymentsPerYear = loan;
    noPaymentsPerYear.paymentsPerYear = 0;
    TvmRegisters noPayment = loan;
    noPayment.payment = -0.004;  // 0.00 at two decimals
    TvmRegisters notFinite = loan;
    notFinite.presentValue = NAN;
    // 1 % a payment on 1e290 passes the largest double at payment 4225: found before any row.
    const TvmRegisters overflowing{
        .n = 5000, .interestPerYear = 12, .presentValue = 1e290, .payment = -1};
    const Case cases[] = {
        {"fractional N", fractionalN, "N must be a whole number of payments, at least 1"},
        {"N 0", noN, "N must be a whole number of payments, at least 1"},
        {"N uncountable", hugeN, "N is too large to count its payments"},
        {"P/YR 0", noPaymentsPerYear, "P/YR must be a whole number, at least 1"},
        {"PMT 0", noPayment, "PMT is 0 at the decimals shown: there are no payments to amortize"},
        {"PV NaN", notFinite, "PV, PMT and I/YR must be finite numbers"},
        {"overflow", overflowing, "the balance overflows at payment 4225"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AmortizationTerms terms{c.tvm};
        const auto last = std::max<std::int64_t>(1, static_cast<std::int64_t>(c.tvm.n));
        EXPECT_EQ(amortizeRange(terms, 1, last).refusal, c.refusal);
        for (const ScheduleGrouping grouping :
             {ScheduleGrouping::ByPayment, ScheduleGrouping::ByYear}) {
            int rows = 0;
            EXPECT_EQ(
                streamSchedule(terms, grouping, [&rows](const ScheduleRow&) { return ++rows > 0; }),
                c.refusal);
            EXPECT_EQ(rows, 0);
        }
    }
    const AmortizationTerms terms{loan};
    EXPECT_EQ(amortizeRange(terms, 0, 3).refusal, "the range 0-3 is outside the payments 1-12");
    EXPECT_EQ(amortizeRange(terms, 12, 13).refusal, "the range 12-13 is outside the payments 1-12");
    EXPECT_EQ(amortizeRange(terms, 5, 4).refusal, "the range 5-4 ends before it starts");
}

}  // namespace
}  // namespace tabulor
