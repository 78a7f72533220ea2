#pragma once
// The actions that pressKey dispatches to, grouped by the file that holds them. Internal to the
// engine: the shell and the front ends call only pressKey and releaseKey.

#include "engine/calculator.h"

namespace tabulor {

// arithmetic.cpp: left-to-right arithmetic, parentheses, percent and the constant.
double applyOperator(Calculator& calculator, double left, PendingOp op, double right);
double evaluateLevel(Calculator& calculator);
double evaluateAll(Calculator& calculator);
void pressEquals(Calculator& calculator);
void pressOperator(Calculator& calculator, PendingOp op);
void pressShiftedOperator(Calculator& calculator, KeyCode code);  // x², √x, yˣ, 1/x
void pressPercent(Calculator& calculator);
void pressConstant(Calculator& calculator);
void openParenthesis(Calculator& calculator);
void closeParenthesis(Calculator& calculator);

// memory_keys.cpp: digits by prefix mode, the storage operator, DISP and RND.
void pressDigit(Calculator& calculator, int digit);
void pressStorageOperator(Calculator& calculator, PendingOp op);
void pressDisplayKey(Calculator& calculator);  // DISP, and = while DISP is pending
void roundToDisplay(Calculator& calculator);

// tvm_keys.cpp: the five time-value-of-money keys and their shifted functions.
void pressTvmKey(Calculator& calculator, KeyCode code);
void setPaymentsPerYear(Calculator& calculator, double offered);

}  // namespace tabulor
