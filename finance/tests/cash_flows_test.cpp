// Properties of NPV and IRR over random series, against a plain long-double sum over every period.
#include "finance/cash_flows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "finance/cash_flow_csv.h"
#include "finance/irr_search.h"

namespace tabulor {
namespace {

// Σ CFt (1 + r)^-t by Horner's scheme over the expanded series, in long double.
long double expandedNpv(const CashFlowList& flows, long double rate) {
    long double sum = 0.0L;
    for (auto flow = flows.rbegin(); flow != flows.rend(); ++flow) {
        for (std::int64_t k = 0; k < flow->count; ++k)
            sum = sum / (1.0L + rate) + flow->amount;
    }
    return sum;
}

// An outlay, then returns of one sign with counts: exactly one sign change.
CashFlowList randomInvestment(std::mt19937_64& random) {
    std::uniform_real_distribution<double> amount(0.0, 5000.0);
    std::uniform_int_distribution<int> count(1, 40);
    std::uniform_int_distribution<int> length(1, 30);
    CashFlowList flows{{-amount(random) * 10.0 - 1.0, 1}};
    for (int j = length(random); j > 0; --j)
        flows.push_back({std::round(amount(random) * 100.0) / 100.0, count(random)});
    return flows;
}

TEST(CashFlows, OneSignChangeHasOneRootWhereNpvCrossesZero) {
    std::mt19937_64 random(20240523);
    for (int trial = 0; trial < 300; ++trial) {
        const CashFlowList flows = randomInvestment(random);
        SCOPED_TRACE(cashFlowCsv(flows));
        const IrrResult irr = internalRates(flows);
        ASSERT_EQ(irr.kind, IrrKind::Unique);
        ASSERT_EQ(irr.rootsPercent.size(), 1u);
        const double root = irr.rootsPercent[0];
        long double magnitude = 0.0L;
        for (const CashFlow& flow : flows)
            magnitude += std::fabs(flow.amount) * static_cast<long double>(flow.count);
        // Zero to within rounding, in double and in the longer sum.
        EXPECT_LE(std::fabs(netPresentValue(flows, root).value), 1e-9 * magnitude);
        EXPECT_LE(std::fabs(expandedNpv(flows, root / 100.0L)), 1e-9L * magnitude);
        // An outlay first: NPV falls as the rate rises, through 0 at the root.
        const double step = 1e-6 * (100.0 + std::fabs(root));
        EXPECT_GT(netPresentValue(flows, root - step).value, 0.0);
        EXPECT_LT(netPresentValue(flows, root + step).value, 0.0);
        // The blocks summed at once agree with the sum over every period.
        const double rate = std::uniform_real_distribution<double>(-5.0, 50.0)(random);
        CashFlowList magnitudes = flows;
        for (CashFlow& flow : magnitudes)
            flow.amount = std::fabs(flow.amount);
        EXPECT_NEAR(netPresentValue(flows, rate).value,
                    static_cast<double>(expandedNpv(flows, rate / 100.0L)),
                    1e-12 * static_cast<double>(expandedNpv(magnitudes, rate / 100.0L)));
    }
}

TEST(CashFlowCsv, WhatIsWrittenReadsBackTheSame) {
    const CashFlowList flows{{-80000.1, 1}, {0.1 + 0.2, 3}, {1e300, 1}, {-5e-324, 1000000}};
    const CashFlowRead read = readCashFlowCsv(cashFlowCsv(flows));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.flows.size(), flows.size());
    for (std::size_t j = 0; j < flows.size(); ++j) {
        EXPECT_EQ(read.flows[j].amount, flows[j].amount) << j;
        EXPECT_EQ(read.flows[j].count, flows[j].count) << j;
    }
}

}  // namespace
}  // namespace tabulor
