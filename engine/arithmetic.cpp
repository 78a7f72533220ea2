// Algebraic arithmetic, evaluated strictly from left to right: the operator keys, =, the
// functions on the shifted operator keys, %, the constant K and the parenthesis levels.

#include <cmath>

#include "engine/calculator.h"
#include "engine/key_actions.h"

namespace tabulor {

namespace {

constexpr int kTopLevel = kLevels - 1;

double displayedNumber(Calculator& calculator) {
    return readNumber(*calculator.display, false);
}

bool isAdditive(PendingOp op) {
    return op == PendingOp::Add || op == PendingOp::Subtract;
}

// While no operation waits, a constant captured by K answers every evaluation: the number on
// the display is its left operand. Returns false when no constant is in force.
bool applyConstant(Calculator& calculator, double v, double& result) {
    if (calculator.display->pendShown || calculator.constantOp == PendingOp::None) return false;
    double u = calculator.constantOperand;
    if (calculator.percentApplied && isAdditive(calculator.constantOp)) {
        u = (calculator.percentBase * v) * 0.01;
    }
    result = applyOperator(calculator, v, calculator.constantOp, u);
    return true;
}

}  // namespace

double applyOperator(Calculator& calculator, double left, PendingOp op, double right) {
    switch (op) {
        case PendingOp::Add:
            return left + right;
        case PendingOp::Subtract:
            return left - right;
        case PendingOp::Multiply:
            return left * right;
        case PendingOp::Divide:
            if (right != 0.0) return left / right;
            calculator.display->error = ErrorCode::Func;
            return 0.0;
        case PendingOp::Power:
            if (left == 0.0 && right <= 0.0) {
                calculator.display->error = ErrorCode::Func;
                return right;
            }
            return std::pow(left, right);
        default:
            return right;
    }
}

double evaluateLevel(Calculator& calculator) {
    double v = displayedNumber(calculator);
    if (double constant; applyConstant(calculator, v, constant)) return constant;
    const int level = calculator.depth;
    const PendingOp op = calculator.pendingOps[level];
    if (op == PendingOp::None) return v;
    v = applyOperator(calculator, calculator.leftOperands[level], op, v);
    calculator.pendingOps[level] = PendingOp::None;
    if (level == 0) calculator.display->pendShown = false;
    return v;
}

double evaluateAll(Calculator& calculator) {
    double v = displayedNumber(calculator);
    if (double constant; applyConstant(calculator, v, constant)) return constant;
    for (int level = calculator.depth; level >= 0; --level) {
        const PendingOp op = calculator.pendingOps[level];
        if (op == PendingOp::None) continue;
        v = applyOperator(calculator, calculator.leftOperands[level], op, v);
        calculator.pendingOps[level] = PendingOp::None;
    }
    calculator.display->pendShown = false;
    calculator.depth = 0;
    return v;
}

void pressEquals(Calculator& calculator) {
    const double v = evaluateAll(calculator);
    showNumber(*calculator.display, v);
    calculator.pendingOps[calculator.depth] = PendingOp::ResultShown;
}

void pressOperator(Calculator& calculator, PendingOp op) {
    calculator.constantOp = PendingOp::None;
    calculator.percentApplied = false;
    const int level = calculator.depth;
    calculator.leftOperands[level] = evaluateLevel(calculator);
    calculator.display->pendShown = true;
    showNumber(*calculator.display, calculator.leftOperands[level]);
    calculator.pendingOps[level] = op;
}

void pressShiftedOperator(Calculator& calculator, KeyCode code) {
    Display& display = *calculator.display;
    double v = displayedNumber(calculator);
    calculator.percentApplied = false;
    switch (code) {
        case Key::Add:  // x²
            v = v * v;
            break;
        case Key::Subtract:  // √x
            if (v >= 0.0) {
                v = std::sqrt(v);
            } else {
                display.error = ErrorCode::Func;
            }
            break;
        case Key::Divide:  // 1/x
            if (v != 0.0) {
                v = 1.0 / v;
            } else {
                display.error = ErrorCode::Func;
            }
            break;
        case Key::Multiply:  // yˣ waits for its exponent like an operator
            calculator.constantOp = PendingOp::None;
            v = evaluateLevel(calculator);
            calculator.leftOperands[calculator.depth] = v;
            calculator.pendingOps[calculator.depth] = PendingOp::Power;
            display.pendShown = true;
            break;
        default:
            break;
    }
    showNumber(display, v);
}

void pressPercent(Calculator& calculator) {
    const double v = displayedNumber(calculator);
    calculator.percentBase = v;
    const int level = calculator.depth;
    const double r = isAdditive(calculator.pendingOps[level])
                         ? calculator.leftOperands[level] * (v * 0.01)
                         : v * 0.01;
    showNumber(*calculator.display, r);
    calculator.percentApplied = true;
}

void pressConstant(Calculator& calculator) {
    const PendingOp op = calculator.pendingOps[calculator.depth];
    if (op == PendingOp::None) return;
    calculator.constantOp = op;
    calculator.constantOperand = displayedNumber(calculator);
    showNumber(*calculator.display, calculator.constantOperand);
}

void openParenthesis(Calculator& calculator) {
    if (calculator.depth >= kTopLevel) {
        calculator.display->error = ErrorCode::Full;
        return;
    }
    ++calculator.depth;
}

void closeParenthesis(Calculator& calculator) {
    const double v = evaluateLevel(calculator);
    if (calculator.depth > 0) --calculator.depth;
    showNumber(*calculator.display, v);
}

}  // namespace tabulor
