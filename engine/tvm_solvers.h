#pragma once
// Solving the time-value-of-money equation for one register from the others:
//   PV + PMT·k·(1 − (1 + i)^−N) / i + FV·(1 + i)^−N = 0,  k = 1 + i in BEGIN mode, else 1.
// A solver that refuses its input sets `error` to ERROR TVM and returns the value its own
// register holds, so that storing the result changes nothing.

#include "display/glyph.h"
#include "engine/tvm_registers.h"

namespace tabulor {

// N; on success also writes years = N ÷ P/YR.
double solveN(TvmRegisters& tvm, bool beginMode, ErrorCode& error);
// I/YR in percent, or −1 when the search finds no rate (then `error` is left alone).
// The tolerance of the search follows the displayed decimals: 10^−(decimals + 1).
double solveInterest(const TvmRegisters& tvm, bool beginMode, int decimals, ErrorCode& error);
double solvePresentValue(const TvmRegisters& tvm, bool beginMode, ErrorCode& error);
double solvePayment(const TvmRegisters& tvm, bool beginMode, ErrorCode& error);
double solveFutureValue(const TvmRegisters& tvm, bool beginMode, ErrorCode& error);

// The left-hand side of the equation for a trial annual rate x, a fraction (0.06 for 6 %).
double tvmResidual(const TvmRegisters& tvm, bool beginMode, double x);

}  // namespace tabulor
