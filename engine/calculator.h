#pragma once
// The calculator's engine: one record holding every number and mode, and the operations that
// turn key codes into changes of it and of its Display. The engine never draws.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "display/display.h"
#include "engine/key_table.h"
#include "engine/tvm_registers.h"
#include "platform/services.h"

namespace tabulor {

// What the next digit key means.
enum class PrefixMode : std::int32_t { None = 0, Store = 1, Recall = 2, DisplayFormat = 3 };

// The operator waiting on a parenthesis level (also the storage operator and the constant).
enum class PendingOp : std::int32_t {
    None = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4,
    Power = 5,
    ResultShown = 7,  // no operator: the display holds a result, a recalled or a solved value
};

// The operator of the keys +, −, × and ÷; None for every other key.
PendingOp operatorOfKey(KeyCode code);

// Whether SHIFT is armed; also the index of the face drawn.
enum class ShiftState : std::int32_t { Off = 0, On = 1 };

inline constexpr int kLevels = 5;
inline constexpr int kRegisters = 10;

// The services a Calculator borrows; each must outlive it.
struct CalculatorServices {
    const TickSource* clock = nullptr;
    const PowerSource* power = nullptr;
};

struct Calculator {
    explicit Calculator(const CalculatorServices& services);

    std::unique_ptr<Display> display;
    PrefixMode prefixMode = PrefixMode::None;
    std::array<double, kRegisters> registers{};
    TvmRegisters tvm{};
    std::int32_t depth = 0;
    std::array<PendingOp, kLevels> pendingOps{};
    std::array<double, kLevels> leftOperands{};
    PendingOp storageOp = PendingOp::None;
    PendingOp constantOp = PendingOp::None;
    double constantOperand = 0.0;
    bool percentApplied = false;
    double percentBase = 0.0;
    bool isOn = true;
    ShiftState shift = ShiftState::Off;
    std::optional<KeyCode> heldKey;  // the key under the pen, from pressKey to releaseKey
    bool shiftJustSet = false;       // the held key is the SHIFT that switched shift on
    WindowLink* window = nullptr;

    CalculatorServices services;
};

// Creates the Display and shows the start-up banner; false, with nothing made, without a clock.
bool initialize(Calculator& calculator);
void destroy(Calculator& calculator);
void setWindow(Calculator& calculator, WindowLink* window);
// A key goes down and stays held until releaseKey. SHIFT is a one-shot: it applies to the next
// key and ends when that key is released; a second SHIFT cancels it. A press that hits no key
// reaches neither operation, so it leaves an armed SHIFT armed.
void pressKey(Calculator& calculator, KeyCode code);
// True when a key was held.
bool releaseKey(Calculator& calculator);
// pressKey, then releaseKey: one tap.
void tapKey(Calculator& calculator, KeyCode code);
void reset(Calculator& calculator);

// One period of the message timer, as the window and the command line's WAIT run it: a timed
// message ends unless a key is held. True when the display changed.
bool tickMessageTimer(Calculator& calculator);

}  // namespace tabulor
