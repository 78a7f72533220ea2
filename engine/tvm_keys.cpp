// The time-value-of-money keys N, I/YR, PV, PMT and FV with their shifted functions xP/YR, NOM%,
// EFF%, P/YR and BEG/END: each either stores the value on the display or, when the display holds
// no fresh value, solves for its register.

#include <cmath>

#include "display/message_table.h"
#include "engine/calculator.h"
#include "engine/interest_conversion.h"
#include "engine/key_actions.h"
#include "engine/store_or_solve.h"
#include "engine/tvm_solvers.h"

namespace tabulor {

namespace {

// The register a key recalls: its own, or under SHIFT its shifted one.
double recalledRegister(const TvmRegisters& tvm, KeyCode code, bool shifted) {
    switch (code) {
        case Key::N:
            return shifted ? tvm.years : tvm.n;
        case Key::InterestPerYear:
            return shifted ? tvm.nominalPercent : tvm.interestPerYear;
        case Key::PresentValue:
            return shifted ? tvm.effectivePercent : tvm.presentValue;
        case Key::Payment:
            return shifted ? tvm.paymentsPerYear : tvm.payment;
        default:
            return tvm.futureValue;
    }
}

struct SolvedValue {
    double value;
    bool marksResult;  // the value shown afterwards counts as a result (ResultShown)
};

// A key that solves its register, in the state that solves: solve (or convert) for it.
SolvedValue solveForKey(Calculator& calculator, KeyCode code, bool shifted) {
    TvmRegisters& tvm = calculator.tvm;
    Display& display = *calculator.display;
    const bool begin = display.beginMode;
    switch (code) {
        case Key::N:
            return {solveN(tvm, begin, display.error), false};
        case Key::InterestPerYear:
            if (shifted) {
                return {
                    nominalFromEffective(tvm.effectivePercent, tvm.paymentsPerYear, display.error),
                    true};
            }
            return {solveInterest(tvm, begin, display.decimals, display.error), true};
        case Key::PresentValue:
            if (shifted) {
                return {
                    effectiveFromNominal(tvm.nominalPercent, tvm.paymentsPerYear, display.error),
                    true};
            }
            return {solvePresentValue(tvm, begin, display.error), true};
        case Key::Payment:
            return {solvePayment(tvm, begin, display.error), false};
        default:
            return {solveFutureValue(tvm, begin, display.error), false};
    }
}

// The register written and the value shown.
void storeAndShow(Calculator& calculator, KeyCode code, bool shifted, double value,
                  PrefixMode mode) {
    TvmRegisters& tvm = calculator.tvm;
    Display& display = *calculator.display;
    switch (code) {
        case Key::N:
            if (!shifted) {
                tvm.n = value;
            } else {
                tvm.years = value;
                if (mode == PrefixMode::None) {
                    tvm.n = tvm.paymentsPerYear * value;
                    value = tvm.n;
                }
            }
            break;
        case Key::InterestPerYear:
            if (!shifted && mode == PrefixMode::None && value < 0.0) {
                // No negative rate: 0 is stored and the message stays until it expires.
                showNumber(display, 0.0);
                showMessage(display, MessageKind::NoSolution);
                tvm.interestPerYear = 0.0;
                tvm.nominalPercent = 0.0;
                return;
            }
            tvm.interestPerYear = value;
            tvm.nominalPercent = value;
            break;
        case Key::PresentValue:
            if (shifted) {
                tvm.effectivePercent = value;
            } else {
                tvm.presentValue = value;
            }
            break;
        case Key::Payment:
            if (shifted) {
                setPaymentsPerYear(calculator, value);
            } else {
                tvm.payment = value;
            }
            break;
        default:
            tvm.futureValue = value;
            break;
    }
    showNumber(display, value);
}

}  // namespace

void pressTvmKey(Calculator& calculator, KeyCode code) {
    Display& display = *calculator.display;
    const bool shifted = calculator.shift != ShiftState::Off;
    if (code == Key::FutureValue && shifted) {
        // BEG/END only toggles the timing; a pending STO or RCL still waits for its key.
        display.beginMode = !display.beginMode;
        return;
    }

    // A TVM key right after DISP drops the DISP prefix and acts as it would without it.
    const PrefixMode mode = calculator.prefixMode == PrefixMode::DisplayFormat
                                ? PrefixMode::None
                                : calculator.prefixMode;
    PendingOp& pending = calculator.pendingOps[calculator.depth];
    double value = 0.0;
    bool marksResult = false;
    switch (mode) {
        case PrefixMode::Recall:
            value = recalledRegister(calculator.tvm, code, shifted);
            if (pending == PendingOp::None) pending = PendingOp::ResultShown;
            break;
        case PrefixMode::Store:
            value = evaluateAll(calculator);
            break;
        default:
            if (tvmKeysSolve(calculator) && solvesItsRegister(code, shifted)) {
                const SolvedValue solved = solveForKey(calculator, code, shifted);
                value = solved.value;
                marksResult = solved.marksResult;
            } else {
                value = evaluateAll(calculator);
            }
            break;
    }

    storeAndShow(calculator, code, shifted, value, mode);
    if (marksResult) calculator.pendingOps[calculator.depth] = PendingOp::ResultShown;
    calculator.prefixMode = PrefixMode::None;
}

bool tvmKeysSolve(const Calculator& calculator) {
    return calculator.display != nullptr && calculator.prefixMode != PrefixMode::Store &&
           calculator.prefixMode != PrefixMode::Recall &&
           calculator.pendingOps[calculator.depth] == PendingOp::None &&
           !calculator.display->entryPending;
}

void setPaymentsPerYear(Calculator& calculator, double offered) {
    TvmRegisters& tvm = calculator.tvm;
    if (!isPaymentsPerYear(offered)) {
        calculator.display->error = ErrorCode::Tvm;
        return;
    }
    const double ratio = tvm.paymentsPerYear / offered;
    tvm.paymentsPerYear = offered;
    tvm.years = tvm.years * ratio;
}

}  // namespace tabulor
