#pragma once
// Amortization of the TVM registers as they stand: how each payment divides into interest and
// principal and what balance it leaves, every amount rounded as the display rounds it to the
// decimals shown, so that the figures are those a user would write down. Reads the registers
// and changes none; refuses, with a reason, what it cannot amortize.

#include <cstdint>
#include <functional>
#include <string>

#include "engine/calculator_reading.h"
#include "engine/tvm_registers.h"

namespace tabulor {

// What amortization reads: the registers, the payment timing and the decimals shown.
struct AmortizationTerms {
    TvmRegisters tvm;
    bool beginMode = false;
    int decimals = 2;
};

// The calculator must have its Display.
AmortizationTerms amortizationTerms(const CalculatorReading& reading);

// Payments first..last: the sums of their interest and of their principal, and the balance
// after the last, each rounded to the decimals.
struct AmortizationSpan {
    std::int64_t first = 0;
    std::int64_t last = 0;
    double interest = 0.0;
    double principal = 0.0;
    double balance = 0.0;
};

struct AmortizedRange {
    AmortizationSpan span;
    std::string refusal;  // empty when amortized
};

AmortizedRange amortizeRange(const AmortizationTerms& terms, std::int64_t first, std::int64_t last);

enum class ScheduleGrouping { ByPayment, ByYear };

// A payment, or the P/YR payments of a year (the last year may hold fewer).
struct ScheduleRow {
    std::int64_t number = 0;  // of the payment or the year, from 1
    AmortizationSpan span;
};

// Takes each row in order; returning false ends the schedule there.
using ScheduleSink = std::function<bool(const ScheduleRow&)>;

// Every row from the first payment to the N-th, in constant memory. A refusal is returned before
// any row reaches the sink; empty when the schedule ran.
std::string streamSchedule(const AmortizationTerms& terms, ScheduleGrouping grouping,
                           const ScheduleSink& sink);

}  // namespace tabulor
