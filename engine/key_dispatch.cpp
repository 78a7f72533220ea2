// pressKey and releaseKey: the off gate, the dispatch of every key code, and the keys that belong
// to the calculator as a whole (ON/OFF, C, C ALL, SHIFT).

#include <charconv>
#include <cmath>
#include <string>

#include "display/message_table.h"
#include "engine/calculator.h"
#include "engine/key_actions.h"

namespace tabulor {

namespace {

constexpr int kLowBatteryPercent = 20;

bool isLow(std::uint8_t percent) {
    return percent != kUnknownBatteryPercent && percent < kLowBatteryPercent;
}

void switchOn(Calculator& calculator) {
    Display& display = *calculator.display;
    display.lowBattery = false;
    PowerStatus status;
    if (calculator.services.power != nullptr && calculator.services.power->query(status)) {
        display.lowBattery = isLow(status.mainPercent) || isLow(status.backupPercent);
    }
    calculator.shift = ShiftState::Off;
    calculator.isOn = true;
    clearEntry(display, true);
}

void switchOff(Calculator& calculator) {
    Display& display = *calculator.display;
    display.beginMode = false;
    display.lowBattery = false;
    calculator.isOn = false;
    clearEntry(display, false);
    calculator.leftOperands.fill(0.0);
    calculator.constantOperand = 0.0;
    calculator.percentApplied = false;
    calculator.pendingOps[calculator.depth] = PendingOp::None;
    calculator.storageOp = PendingOp::None;
    calculator.constantOp = PendingOp::None;
    if (calculator.window != nullptr) {
        calculator.window->notifyDeactivated();
        calculator.window->postClose();
    }
}

void clear(Calculator& calculator) {
    Display& display = *calculator.display;
    calculator.prefixMode = PrefixMode::None;
    const bool operationWaits = calculator.pendingOps[calculator.depth] != PendingOp::None ||
                                calculator.constantOp != PendingOp::None;
    if (operationWaits && display.entryPending) {
        // Only the number being typed goes; the operation keeps waiting for another.
        clearEntry(display, true);
        return;
    }
    calculator.pendingOps[calculator.depth] = PendingOp::None;
    calculator.percentBase = 0.0;
    calculator.storageOp = PendingOp::None;
    calculator.constantOp = PendingOp::None;
    calculator.percentApplied = false;
    clearEntry(display, true);
}

// " %d  P_YR" for any whole P/YR: one that fits an int prints as %d would, a larger one with all
// its digits (the message is cut to the display's width anyway).
std::u16string paymentsPerYearMessage(double paymentsPerYear) {
    const double whole = std::trunc(paymentsPerYear);
    char digits[400];
    std::to_chars_result printed;
    if (whole >= -2147483648.0 && whole <= 2147483647.0) {
        printed = std::to_chars(digits, digits + sizeof digits, static_cast<int>(whole));
    } else {
        printed = std::to_chars(digits, digits + sizeof digits, whole, std::chars_format::fixed, 0);
    }
    std::u16string message = u" ";
    for (const char* c = digits; c != printed.ptr; ++c)
        message.push_back(static_cast<char16_t>(*c));
    message += messageEntry(MessageKind::PaymentsPerYear).text;
    return message;
}

void clearAll(Calculator& calculator) {
    Display& display = *calculator.display;
    calculator.registers.fill(0.0);
    const double paymentsPerYear = calculator.tvm.paymentsPerYear;
    calculator.tvm = TvmRegisters{};
    calculator.tvm.paymentsPerYear = paymentsPerYear;
    calculator.leftOperands.fill(0.0);
    calculator.pendingOps.fill(PendingOp::None);
    calculator.constantOp = PendingOp::None;
    calculator.constantOperand = 0.0;
    calculator.percentApplied = false;
    calculator.percentBase = 0.0;
    calculator.storageOp = PendingOp::None;
    calculator.prefixMode = PrefixMode::None;
    clearEntry(display, true);
    // Nothing is left waiting, so PEND goes out even when C ALL interrupts an entry.
    display.pendShown = false;
    showMessage(display, paymentsPerYearMessage(calculator.tvm.paymentsPerYear),
                MessageKind::PaymentsPerYear);
}

void pressShift(Calculator& calculator) {
    if (calculator.shift == ShiftState::Off) {
        calculator.shift = ShiftState::On;
        calculator.display->shiftShown = true;
        calculator.shiftJustSet = true;
    } else {
        calculator.shift = ShiftState::Off;
        calculator.display->shiftShown = false;
    }
}

// Every key but SHIFT, with the current shift state.
void dispatch(Calculator& calculator, KeyCode code, bool shifted) {
    Display& display = *calculator.display;
    if (const int digit = digitOfKey(code); digit >= 0) {
        pressDigit(calculator, digit);
        return;
    }
    switch (code) {
        case Key::On:
            if (shifted) switchOff(calculator);
            break;
        case Key::Point:
            if (shifted) {
                swapMarks(display);
            } else {
                enterPoint(display);
            }
            break;
        case Key::Equals:
            if (shifted || calculator.prefixMode == PrefixMode::DisplayFormat) {
                pressDisplayKey(calculator);
            } else {
                pressEquals(calculator);
            }
            break;
        case Key::Add:
        case Key::Subtract:
        case Key::Multiply:
        case Key::Divide:
            if (shifted) {
                pressShiftedOperator(calculator, code);
            } else if (calculator.prefixMode == PrefixMode::Store) {
                pressStorageOperator(calculator, operatorOfKey(code));
            } else {
                pressOperator(calculator, operatorOfKey(code));
            }
            break;
        case Key::Clear:
            if (shifted) {
                clearAll(calculator);
            } else {
                clear(calculator);
            }
            break;
        case Key::Recall:
            calculator.prefixMode = shifted ? PrefixMode::Store : PrefixMode::Recall;
            break;
        case Key::ChangeSign:
            if (shifted) {
                enterExponent(display);
            } else {
                changeSign(display);
            }
            break;
        case Key::Percent:
            if (shifted) {
                pressConstant(calculator);
            } else {
                pressPercent(calculator);
            }
            break;
        case Key::OpenParen:
            openParenthesis(calculator);
            break;
        case Key::CloseParen:
            closeParenthesis(calculator);
            break;
        case Key::Backspace:
            if (shifted) {
                roundToDisplay(calculator);
            } else {
                backspace(display);
            }
            break;
        case Key::N:
        case Key::InterestPerYear:
        case Key::PresentValue:
        case Key::Payment:
        case Key::FutureValue:
            pressTvmKey(calculator, code);
            break;
        default:
            break;
    }
}

}  // namespace

PendingOp operatorOfKey(KeyCode code) {
    switch (code) {
        case Key::Add:
            return PendingOp::Add;
        case Key::Subtract:
            return PendingOp::Subtract;
        case Key::Multiply:
            return PendingOp::Multiply;
        case Key::Divide:
            return PendingOp::Divide;
        default:
            return PendingOp::None;
    }
}

void pressKey(Calculator& calculator, KeyCode code) {
    if (!isKeyCode(code)) return;
    // Held whatever it does, so that its release ends a shift it acted under.
    calculator.heldKey = code;
    // Without a Display (initialize failed or not yet called) there is nothing to act on.
    if (calculator.display == nullptr) return;
    if (!calculator.isOn) {
        if (code == Key::On) switchOn(calculator);
        return;
    }
    if (code == Key::Shift) {
        pressShift(calculator);
        return;
    }
    dispatch(calculator, code, calculator.shift != ShiftState::Off);
    calculator.display->shiftShown = false;
}

bool releaseKey(Calculator& calculator) {
    if (!calculator.heldKey) return false;
    if (calculator.shiftJustSet) {
        calculator.shiftJustSet = false;
    } else {
        calculator.shift = ShiftState::Off;
    }
    calculator.heldKey.reset();
    return true;
}

void tapKey(Calculator& calculator, KeyCode code) {
    pressKey(calculator, code);
    releaseKey(calculator);
}

}  // namespace tabulor
