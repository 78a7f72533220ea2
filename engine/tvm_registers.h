#pragma once
// The time-value-of-money register block.

#include <cmath>

namespace tabulor {

struct TvmRegisters {
    double n = 0.0;
    double interestPerYear = 0.0;  // nominal annual rate in percent
    double presentValue = 0.0;
    double payment = 0.0;
    double futureValue = 0.0;
    double years = 0.0;
    double nominalPercent = 0.0;
    double effectivePercent = 0.0;
    double paymentsPerYear = 12.0;  // never below 1, always whole
};

// What P/YR may hold: a whole number from 1 up. An infinite value has no fractional part but is
// no count.
inline bool isPaymentsPerYear(double value) {
    return value >= 1.0 && std::isfinite(value) && std::trunc(value) == value;
}

// The rate per period from the annual rate in percent, as the closed forms and amortization use
// it; P/YR × 100 is formed before the division.
inline double periodRate(const TvmRegisters& tvm) {
    return tvm.interestPerYear / (tvm.paymentsPerYear * 100.0);
}

}  // namespace tabulor
