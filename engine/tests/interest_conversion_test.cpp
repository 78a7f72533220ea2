#include "engine/interest_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace tabulor {
namespace {

struct RatePair {
    std::string label;
    double nominal;
    double paymentsPerYear;
    double effective;  // worked out by hand, to the places given
    double places;     // half a unit in the last place given
};

TEST(InterestConversion, NominalToEffectiveAndBack) {
    const std::vector<RatePair> pairs = {
        {"12 % monthly", 12, 12, 12.6825, 5e-5},
        {"10 % quarterly", 10, 4, 10.3812890625, 1e-10},  // 1.025^4 − 1, exactly
        {"8 % half-yearly", 8, 2, 8.16, 1e-10},           // 1.04² − 1
        {"12 % once a year", 12, 1, 12, 1e-12},
        {"6 % daily", 6, 365, 6.1831, 5e-5},
        {"0 %", 0, 12, 0, 0},
        {"negative nominal", -12, 12, -11.3615, 5e-5},  // 0.99^12 − 1
    };
    for (const RatePair& pair : pairs) {
        SCOPED_TRACE(pair.label);
        ErrorCode error = ErrorCode::None;
        const double effective = effectiveFromNominal(pair.nominal, pair.paymentsPerYear, error);
        EXPECT_NEAR(effective, pair.effective, pair.places);
        const double nominal = nominalFromEffective(effective, pair.paymentsPerYear, error);
        EXPECT_NEAR(nominal, pair.nominal, 1e-9);
        EXPECT_EQ(error, ErrorCode::None);
    }
}

TEST(InterestConversion, EffectiveJustAboveTheFloorStillConverts) {
    ErrorCode error = ErrorCode::None;
    // With one payment a year the two rates coincide.
    EXPECT_NEAR(nominalFromEffective(-99.5, 1, error), -99.5, 1e-9);
    // A near-total yearly loss takes a steep monthly one, yet less than −100 % a month.
    const double nominal = nominalFromEffective(-99.99, 12, error);
    EXPECT_LT(nominal, -99.99);
    EXPECT_GT(nominal, -1200.0);
    EXPECT_EQ(error, ErrorCode::None);
}

struct BadConversion {
    std::string label;
    bool toNominal;  // nominalFromEffective, else effectiveFromNominal
    double rate;
    double paymentsPerYear;
};

TEST(InterestConversion, BadArgumentsGiveZeroAndErrorTvm) {
    const std::vector<BadConversion> cases = {
        {"effective of exactly -100", true, -100, 12},
        {"effective below -100", true, -250, 12},
        {"effective not a number", true, std::numeric_limits<double>::quiet_NaN(), 12},
        {"to nominal, no P/YR", true, 12.6825, 0},
        {"to effective, no P/YR", false, 12, 0},
    };
    for (const BadConversion& c : cases) {
        SCOPED_TRACE(c.label);
        ErrorCode error = ErrorCode::None;
        const double result = c.toNominal ? nominalFromEffective(c.rate, c.paymentsPerYear, error)
                                          : effectiveFromNominal(c.rate, c.paymentsPerYear, error);
        EXPECT_EQ(result, 0.0);
        EXPECT_EQ(error, ErrorCode::Tvm);
    }
}

}  // namespace
}  // namespace tabulor
