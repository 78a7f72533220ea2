#include "engine/tvm_solvers.h"

#include <cmath>
#include <optional>

namespace tabulor {
namespace {

constexpr double kSearchFailed = -1.0;
constexpr int kTriesPerPhase = 100;
constexpr int kLastScanStep = 40;
constexpr int kBisections = 200;
constexpr double kScanStart = 1e-6;
// Below this annual rate (a fraction) the residual's (1 − z) ÷ i is rounding noise, and a root
// the first search finds there is either a true zero rate or spurious.
constexpr double kSmallestRate = 1e-9;

// s^−N with N negated before the power is taken.
double discountFactor(double s, double n) {
    const double exponent = -n;
    return std::pow(s, exponent);
}

// Where 1 + i is 1 (a zero rate, or one too small to move it) the equation is the balance
// without interest, PV + PMT·N + FV = 0, and every closed form solves that instead.
bool withoutInterest(double s) {
    return s == 1.0;
}

double refuse(double held, ErrorCode& error) {
    error = ErrorCode::Tvm;
    return held;
}

// Both finite, non-zero and of opposite signs: a root lies strictly between them.
bool straddlesZero(double r0, double r1) {
    return std::isfinite(r0) && std::isfinite(r1) && r0 != 0.0 && r1 != 0.0 &&
           (r0 < 0.0) != (r1 < 0.0);
}

// Brackets the root from a first guess by halving or doubling, then narrows it by false
// position. Answers the annual rate as a fraction, or nothing when a phase runs out of tries.
std::optional<double> bracketAndNarrow(const TvmRegisters& tvm, bool beginMode, double tol) {
    const double g0 =
        std::fabs(((tvm.futureValue - tvm.payment * tvm.n) / tvm.presentValue) * 0.01);
    const double f0 = tvmResidual(tvm, beginMode, g0);
    if (std::fabs(f0) < tol) return g0;

    const bool negative = f0 < 0.0;
    const double factor = (negative && tvm.payment > 0.0) ? 0.5 : 2.0;
    double x = g0;
    double fb = 0.0;
    bool bracketed = false;
    for (int tries = 0; tries < kTriesPerPhase && !bracketed; ++tries) {
        x = x * factor;
        fb = tvmResidual(tvm, beginMode, x);
        bracketed = negative ? fb >= 0.0 : fb <= 0.0;
    }
    if (!bracketed) return std::nullopt;

    // The first guess stays the a end; only the b end comes from the bracketing.
    double xa = g0;
    double fa = f0;
    double xb = x;
    if (std::fabs(fb) < tol) return xb;

    for (int tries = 0; tries < kTriesPerPhase; ++tries) {
        const double xn = std::fabs((fb * xa - xb * fa) / (fb - fa));
        const double fx = tvmResidual(tvm, beginMode, xn);
        // "Not greater than" rather than "at most": an unordered residual ends the phase too.
        if (!(std::fabs(fx) > tol)) return xn;
        if (fx < 0.0 && fa < 0.0) {
            xa = xn;
            fa = fx;
        } else {
            xb = xn;
            fb = fx;
        }
    }
    return std::nullopt;
}

// Second chance for the problems the bracketing above misses (savings plans whose residual
// never changes sign along the doubling path): walk up from a tiny positive rate by doubling
// until the residual changes sign, then bisect. Never looks at zero or negative rates.
std::optional<double> scanAndBisect(const TvmRegisters& tvm, bool beginMode, double tol) {
    double previousX = 0.0;
    double previousR = 0.0;
    for (int k = 0; k <= kLastScanStep; ++k) {
        const double x = std::ldexp(kScanStart, k);
        const double r = tvmResidual(tvm, beginMode, x);
        if (r == 0.0) return x;
        if (k >= 1 && straddlesZero(previousR, r)) {
            double a = previousX;
            double fa = previousR;
            double b = x;
            double m = a;
            for (int step = 0; step < kBisections; ++step) {
                m = a + (b - a) * 0.5;
                const double fm = tvmResidual(tvm, beginMode, m);
                if (std::fabs(fm) <= tol || m == a || m == b) return m;
                if ((fm < 0.0) == (fa < 0.0)) {
                    a = m;
                    fa = fm;
                } else {
                    b = m;
                }
            }
            return m;
        }
        previousX = x;
        previousR = r;
    }
    return std::nullopt;
}

}  // namespace

double solvePayment(const TvmRegisters& tvm, bool beginMode, ErrorCode& error) {
    if (tvm.paymentsPerYear == 0.0) return refuse(tvm.payment, error);
    const double i = periodRate(tvm);
    const double s = i + 1.0;
    const double z = discountFactor(s, tvm.n);
    const double q = 1.0 - z;
    if (withoutInterest(s)) {
        if (tvm.n == 0.0) return refuse(tvm.payment, error);
        return -(tvm.presentValue + tvm.futureValue) / tvm.n;
    }
    if (beginMode && s == 0.0) return refuse(tvm.payment, error);
    if (q == 0.0) return refuse(tvm.payment, error);

    double a = q / i;
    if (beginMode) a = s * a;
    return (-tvm.presentValue - tvm.futureValue * z) / a;
}

double solvePresentValue(const TvmRegisters& tvm, bool beginMode, ErrorCode& error) {
    if (tvm.paymentsPerYear == 0.0) return refuse(tvm.presentValue, error);
    const double i = periodRate(tvm);
    const double s = i + 1.0;
    const double z = discountFactor(s, tvm.n);
    if (withoutInterest(s)) return -((tvm.payment * tvm.n) + tvm.futureValue);

    double b = ((1.0 - z) * (-1.0 / i)) * tvm.payment;
    if (beginMode) b = s * b;
    return b - tvm.futureValue * z;
}

double solveFutureValue(const TvmRegisters& tvm, bool beginMode, ErrorCode& error) {
    if (tvm.paymentsPerYear == 0.0) return refuse(tvm.futureValue, error);
    const double i = periodRate(tvm);
    const double s = i + 1.0;
    const double z = discountFactor(s, tvm.n);
    const double q = 1.0 - z;
    if (withoutInterest(s)) return -((tvm.payment * tvm.n) + tvm.presentValue);
    if (q == 0.0) return refuse(tvm.futureValue, error);

    double b = -((q / i) * tvm.payment);
    if (beginMode) b = s * b;
    return (b - tvm.presentValue) / z;
}

double solveN(TvmRegisters& tvm, bool beginMode, ErrorCode& error) {
    if (tvm.paymentsPerYear == 0.0) return refuse(tvm.n, error);
    const double i = periodRate(tvm);
    const double s = i + 1.0;
    if (withoutInterest(s)) {
        if (tvm.payment == 0.0) return refuse(tvm.n, error);
        const double n = -(tvm.presentValue + tvm.futureValue) / tvm.payment;
        tvm.years = n / tvm.paymentsPerYear;
        return n;
    }
    if (!(s > 0.0)) return refuse(tvm.n, error);

    const double p = beginMode ? tvm.payment * s : tvm.payment;
    const double d = tvm.futureValue * i - p;
    if (d == 0.0) return refuse(tvm.n, error);
    const double g = (-(tvm.presentValue * i) - p) / d;
    if (!(g > 0.0)) return refuse(tvm.n, error);

    const double n = (-1.0 / std::log10(s)) * std::log10(g);
    tvm.years = n / tvm.paymentsPerYear;
    return n;
}

double tvmResidual(const TvmRegisters& tvm, bool beginMode, double x) {
    const double i = x / tvm.paymentsPerYear;
    const double s = i + 1.0;
    const double z = discountFactor(s, tvm.n);
    double b = ((1.0 - z) / i) * tvm.payment;
    if (beginMode) b = s * b;
    return (tvm.futureValue * z + tvm.presentValue) + b;
}

double solveInterest(const TvmRegisters& tvm, bool beginMode, int decimals, ErrorCode& error) {
    if (tvm.presentValue == 0.0 || tvm.paymentsPerYear == 0.0) {
        return refuse(tvm.interestPerYear, error);
    }
    const double tol = std::pow(10.0, -(decimals + 1));

    // When the payments balance without interest, the rate is exactly 0.
    const double balance = ((tvm.payment * tvm.n) + tvm.presentValue) + tvm.futureValue;
    const bool balancesAtZero = std::fabs(balance) <= tol;

    std::optional<double> rate = bracketAndNarrow(tvm, beginMode, tol);
    if (rate && *rate < kSmallestRate) {
        // A rate this small is either that zero or noise; for noise the second search decides
        // as if the first had failed.
        if (balancesAtZero) return 0.0;
        rate.reset();
    }
    if (!rate) rate = scanAndBisect(tvm, beginMode, tol);
    if (!rate) return balancesAtZero ? 0.0 : kSearchFailed;
    return *rate * 100.0;
}

}  // namespace tabulor
