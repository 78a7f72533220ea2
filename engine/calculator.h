#pragma once
// The calculator's engine: one record holding every number and mode, and the operations that
// turn key codes into changes of it and of its Display. The engine never draws.

#include <array>
#include <cstdint>
#include <memory>

#include "display/display.h"
#include "engine/tvm_registers.h"
#include "image/image.h"
#include "platform/services.h"

namespace tabulor {

// 5 × (row counted from the bottom) + column.
using KeyCode = std::int32_t;
inline constexpr int kKeyCount = 30;

namespace Key {
inline constexpr KeyCode On = 0;  // shifted: OFF
inline constexpr KeyCode Digit0 = 1;
inline constexpr KeyCode Point = 2;   // shifted: ./,
inline constexpr KeyCode Equals = 3;  // shifted: DISP
inline constexpr KeyCode Add = 4;     // shifted: x²
inline constexpr KeyCode Clear = 5;   // shifted: C ALL
inline constexpr KeyCode Digit1 = 6;
inline constexpr KeyCode Digit2 = 7;
inline constexpr KeyCode Digit3 = 8;
inline constexpr KeyCode Subtract = 9;  // shifted: √x
inline constexpr KeyCode Shift = 10;
inline constexpr KeyCode Digit4 = 11;
inline constexpr KeyCode Digit5 = 12;
inline constexpr KeyCode Digit6 = 13;
inline constexpr KeyCode Multiply = 14;  // shifted: yˣ
inline constexpr KeyCode Recall = 15;    // shifted: STO
inline constexpr KeyCode Digit7 = 16;
inline constexpr KeyCode Digit8 = 17;
inline constexpr KeyCode Digit9 = 18;
inline constexpr KeyCode Divide = 19;      // shifted: 1/x
inline constexpr KeyCode ChangeSign = 20;  // shifted: E
inline constexpr KeyCode Percent = 21;     // shifted: K
inline constexpr KeyCode OpenParen = 22;
inline constexpr KeyCode CloseParen = 23;
inline constexpr KeyCode Backspace = 24;        // shifted: RND
inline constexpr KeyCode N = 25;                // shifted: xP/YR
inline constexpr KeyCode InterestPerYear = 26;  // shifted: NOM%
inline constexpr KeyCode PresentValue = 27;     // shifted: EFF%
inline constexpr KeyCode Payment = 28;          // shifted: P/YR
inline constexpr KeyCode FutureValue = 29;      // shifted: BEG/END
}  // namespace Key

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

inline constexpr int kLevels = 5;
inline constexpr int kRegisters = 10;

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;   // exclusive
    std::int32_t bottom = 0;  // exclusive
};

struct KeyEntry {
    std::int32_t left = 0;
    std::int32_t top = 0;
    KeyCode code = 0;
};

// The services a Calculator borrows; each must outlive it.
struct CalculatorServices {
    const TickSource* clock = nullptr;
    const PowerSource* power = nullptr;
    const ImageStore* images = nullptr;
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
    // The normal face, the shifted face, and both drawn with every key pressed.
    std::array<std::unique_ptr<Image>, 4> faceImages;
    std::unique_ptr<Palette> palette;
    std::int32_t shift = 0;  // 0 or 1; also the index of the face drawn
    Rect heldKeyRect{};
    bool keyHeld = false;
    bool shiftJustSet = false;
    std::array<KeyEntry, kKeyCount> keyTable{};
    WindowLink* window = nullptr;

    CalculatorServices services;
};

bool initialize(Calculator& calculator);
void destroy(Calculator& calculator);
void setWindow(Calculator& calculator, WindowLink* window);
void pressKey(Calculator& calculator, KeyCode code);
bool releaseKey(Calculator& calculator);
void reset(Calculator& calculator);

}  // namespace tabulor
