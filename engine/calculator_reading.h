#pragma once
// The calculator as everything outside the engine reads it: its display, the face (shift state),
// the held key, whether it is on, the prefix and parenthesis depth, the storage operator, whether
// a TVM key would solve, the registers and the TVM block. A read-only view, cheap enough to make
// for every paint; the paint, the accessibility, the command line's output, the tape and the
// window all take it rather than the Calculator's fields.

#include <cstdint>
#include <optional>
#include <span>

#include "display/display_reading.h"
#include "engine/calculator.h"
#include "engine/store_or_solve.h"

namespace tabulor {

struct CalculatorReading {
    // Implicit, as a string_view is made from a string: a Calculator reads as itself.
    CalculatorReading(const Calculator& calculator)  // NOLINT(google-explicit-constructor)
        : display(calculator.display != nullptr ? std::optional<DisplayReading>(*calculator.display)
                                                : std::nullopt),
          face(calculator.shift),
          heldKey(calculator.heldKey),
          isOn(calculator.isOn),
          prefix(calculator.prefixMode),
          depth(calculator.depth),
          storageOp(calculator.storageOp),
          tvmKeysSolve(tabulor::tvmKeysSolve(calculator)),
          registers(calculator.registers),
          tvm(calculator.tvm) {}

    std::optional<DisplayReading> display;  // none for a calculator that never started
    ShiftState face;                        // also the index of the face drawn
    std::optional<KeyCode> heldKey;
    bool isOn;
    PrefixMode prefix;
    std::int32_t depth;
    PendingOp storageOp;  // the operator STO applies to its register, None for a plain store
    bool tvmKeysSolve;    // a TVM key tapped now solves rather than stores (store_or_solve.h)
    std::span<const double, kRegisters> registers;
    const TvmRegisters& tvm;
};

}  // namespace tabulor
