#include "finance/amortization.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "finance/shown_amount.h"

namespace tabulor {

namespace {

// Beyond 2^53 a double no longer holds every whole number, so N could not be counted out.
constexpr double kMostPayments = 9007199254740992.0;

// The amounts are exact decimals that a plain running sum drifts from over a long range; the
// compensated sum (Neumaier's) keeps the total to the last decimal shown.
class RunningSum {
  public:
    void add(double x) {
        const double total = sum_ + x;
        carry_ += std::fabs(sum_) >= std::fabs(x) ? (sum_ - total) + x : (x - total) + sum_;
        sum_ = total;
    }
    double total() const { return sum_ + carry_; }

  private:
    double sum_ = 0.0;
    double carry_ = 0.0;
};

// The rule, one payment at a time, from the balance before payment 1.
struct Walk {
    double rate = 0.0;
    double payment = 0.0;
    double balance = 0.0;
    int decimals = 0;
    bool beginMode = false;
    std::int64_t paid = 0;
    std::int64_t payments = 0;  // N
};

struct Payment {
    double interest = 0.0;
    double principal = 0.0;
};

// Nothing when the balance overflows.
std::optional<Payment> pay(Walk& walk) {
    std::optional<double> interest = 0.0;
    if (!(walk.beginMode && walk.paid == 0)) {
        interest = shownAmount(-(walk.balance * walk.rate), walk.decimals);
    }
    if (!interest) return std::nullopt;
    const double principal = walk.payment - *interest;
    const std::optional<double> balance = shownAmount(walk.balance + principal, walk.decimals);
    if (!balance) return std::nullopt;
    walk.balance = *balance;
    ++walk.paid;
    return Payment{*interest, principal};
}

struct Start {
    Walk walk;
    std::string refusal;
};

Start startWalk(const AmortizationTerms& terms) {
    const TvmRegisters& tvm = terms.tvm;
    Start start;
    if (!(tvm.n >= 1.0 && std::trunc(tvm.n) == tvm.n)) {
        start.refusal = "N must be a whole number of payments, at least 1";
    } else if (tvm.n > kMostPayments) {
        start.refusal = "N is too large to count its payments";
    } else if (!isPaymentsPerYear(tvm.paymentsPerYear)) {
        start.refusal = "P/YR must be a whole number, at least 1";
    }
    if (!start.refusal.empty()) return start;
    const std::optional<double> balance = shownAmount(tvm.presentValue, terms.decimals);
    const std::optional<double> payment = shownAmount(tvm.payment, terms.decimals);
    const double rate = periodRate(tvm);
    if (!balance || !payment || !std::isfinite(rate)) {
        start.refusal = "PV, PMT and I/YR must be finite numbers";
    } else if (*payment == 0.0) {
        start.refusal = "PMT is 0 at the decimals shown: there are no payments to amortize";
    }
    start.walk = Walk{.rate = rate,
                      .payment = payment.value_or(0.0),
                      .balance = balance.value_or(0.0),
                      .decimals = terms.decimals,
                      .beginMode = terms.beginMode,
                      .payments = static_cast<std::int64_t>(tvm.n)};
    return start;
}

std::string overflowAt(std::int64_t payment) {
    return "the balance overflows at payment " + std::to_string(payment);
}

using SpanSink = std::function<bool(const AmortizationSpan&)>;

// Pays through `last`, handing on the sums of each `size` payments from `from` (a shorter group
// at the end). Returns the refusal, or empty.
std::string walkSpans(Walk walk, std::int64_t from, std::int64_t last, std::int64_t size,
                      const SpanSink& sink) {
    AmortizationSpan span{from};
    RunningSum interest;
    RunningSum principal;
    while (walk.paid < last) {
        const std::optional<Payment> payment = pay(walk);
        if (!payment) return overflowAt(walk.paid + 1);
        if (walk.paid < from) continue;
        interest.add(payment->interest);
        principal.add(payment->principal);
        if (walk.paid - span.first + 1 < size && walk.paid < last) continue;
        const std::optional<double> interestSum = shownAmount(interest.total(), walk.decimals);
        const std::optional<double> principalSum = shownAmount(principal.total(), walk.decimals);
        if (!interestSum || !principalSum)
            return "the sums overflow at payment " + std::to_string(walk.paid);
        span.last = walk.paid;
        span.interest = *interestSum;
        span.principal = *principalSum;
        span.balance = walk.balance;
        if (!sink(span)) return {};
        span = AmortizationSpan{walk.paid + 1};
        interest = {};
        principal = {};
    }
    return {};
}

// Whether no balance of the whole schedule, nor the interest on it, nor a sum, can overflow. Each
// rounding is within a relative 1e-14 and half a unit of the last decimal, so one payment takes
// |balance| to at most |balance|·g + a, and after j payments it is at most (|balance₀| + j·a)·gʲ;
// an amount is at most that times g, and a sum of them N times as much again.
bool overflowRuledOut(const Walk& walk) {
    constexpr double kRounding = 1.0 + 1e-14;
    const double unit = std::pow(10.0, -walk.decimals);
    const double g = (1.0 + std::fabs(walk.rate) * kRounding) * kRounding * kRounding;
    const double a = (std::fabs(walk.payment) + unit) * kRounding * kRounding;
    const double n = static_cast<double>(walk.payments);
    const double logBound =
        std::log(std::fabs(walk.balance) + n * a) + (n + 1.0) * std::log(g) + std::log(2.0 * n);
    return logBound < std::log(std::numeric_limits<double>::max()) - 1.0;
}

}  // namespace

AmortizationTerms amortizationTerms(const CalculatorReading& reading) {
    return {reading.tvm, reading.display->beginMode, reading.display->decimals};
}

AmortizedRange amortizeRange(const AmortizationTerms& terms, std::int64_t first,
                             std::int64_t last) {
    const Start start = startWalk(terms);
    AmortizedRange result;
    result.refusal = start.refusal;
    if (!result.refusal.empty()) return result;
    const std::int64_t payments = start.walk.payments;
    if (first > last) {
        result.refusal = "the range " + std::to_string(first) + "-" + std::to_string(last) +
                         " ends before it starts";
    } else if (first < 1 || last > payments) {
        result.refusal = "the range " + std::to_string(first) + "-" + std::to_string(last) +
                         " is outside the payments 1-" + std::to_string(payments);
    }
    if (!result.refusal.empty()) return result;
    result.refusal = walkSpans(start.walk, first, last, last - first + 1,
                               [&result](const AmortizationSpan& span) {
                                   result.span = span;
                                   return true;
                               });
    return result;
}

std::string streamSchedule(const AmortizationTerms& terms, ScheduleGrouping grouping,
                           const ScheduleSink& sink) {
    const Start start = startWalk(terms);
    if (!start.refusal.empty()) return start.refusal;
    const std::int64_t payments = start.walk.payments;
    const std::int64_t size =
        grouping == ScheduleGrouping::ByPayment
            ? 1
            : static_cast<std::int64_t>(std::min(terms.tvm.paymentsPerYear, kMostPayments));
    // A refusal must come before the first row; where the bound cannot promise that the walk
    // stays finite, it is walked once without rows to find out.
    if (!overflowRuledOut(start.walk)) {
        const std::string refusal =
            walkSpans(start.walk, 1, payments, size, [](const AmortizationSpan&) { return true; });
        if (!refusal.empty()) return refusal;
    }
    return walkSpans(start.walk, 1, payments, size, [&sink, size](const AmortizationSpan& span) {
        return sink(ScheduleRow{(span.first - 1) / size + 1, span});
    });
}

}  // namespace tabulor
