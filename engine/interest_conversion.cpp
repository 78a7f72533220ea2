#include "engine/interest_conversion.h"

#include <cmath>

namespace tabulor {

double nominalFromEffective(double effectivePercent, double paymentsPerYear, ErrorCode& error) {
    // An effective rate of −100 % or less has no real P-th root; a NaN is refused as well.
    if (paymentsPerYear == 0.0 || !(effectivePercent > -100.0)) {
        error = ErrorCode::Tvm;
        return 0.0;
    }
    double v = effectivePercent * 0.01;
    v = v + 1.0;
    v = std::log10(v);
    v = v / paymentsPerYear;
    v = std::pow(10.0, v);
    v = v - 1.0;
    v = v * paymentsPerYear;
    return v * 100.0;
}

double effectiveFromNominal(double nominalPercent, double paymentsPerYear, ErrorCode& error) {
    if (paymentsPerYear == 0.0) {
        error = ErrorCode::Tvm;
        return 0.0;
    }
    double v = paymentsPerYear * 100.0;
    v = nominalPercent / v;
    v = v + 1.0;
    v = std::pow(v, paymentsPerYear);
    v = v * 100.0;
    return v - 100.0;
}

}  // namespace tabulor
