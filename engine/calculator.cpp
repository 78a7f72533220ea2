#include "engine/calculator.h"

#include "display/message_table.h"
#include "engine/key_actions.h"

namespace tabulor {

Calculator::Calculator(const CalculatorServices& given) : services(given) {
    reset(*this);
}

bool initialize(Calculator& calculator) {
    if (calculator.services.clock == nullptr) {
        destroy(calculator);
        return false;
    }
    calculator.display = std::make_unique<Display>(*calculator.services.clock);
    reset(calculator);
    return true;
}

void destroy(Calculator& calculator) {
    calculator.display.reset();
    calculator.window = nullptr;
}

void setWindow(Calculator& calculator, WindowLink* window) {
    calculator.window = window;
}

void reset(Calculator& calculator) {
    calculator.shift = ShiftState::Off;
    calculator.heldKey.reset();
    calculator.shiftJustSet = false;

    calculator.registers.fill(0.0);
    calculator.tvm = TvmRegisters{};
    calculator.tvm.paymentsPerYear = 12.0;

    calculator.prefixMode = PrefixMode::None;
    calculator.depth = 0;
    calculator.pendingOps.fill(PendingOp::None);
    calculator.leftOperands.fill(0.0);
    calculator.storageOp = PendingOp::None;
    calculator.constantOp = PendingOp::None;
    calculator.constantOperand = 0.0;
    calculator.percentApplied = false;
    calculator.percentBase = 0.0;

    if (calculator.display != nullptr) {
        Display& display = *calculator.display;
        clearEntry(display, true);
        display.lowBattery = false;
        display.beginMode = false;
        showMessage(display, MessageKind::Banner);
    }
}

bool tickMessageTimer(Calculator& calculator) {
    if (calculator.heldKey || calculator.display == nullptr) return false;
    return expireMessage(*calculator.display);
}

}  // namespace tabulor
