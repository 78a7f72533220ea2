#pragma once
// The calculator's display: 13 seven-segment cells with a mark after each, the annunciator
// flags, the error code, the value on the display, the number being keyed, and timed messages.
// While a number is keyed the cells are its only record; readNumber parses them.

#include <array>
#include <cstdint>
#include <string_view>

#include "display/glyph.h"
#include "platform/services.h"

namespace tabulor {

inline constexpr int kShownCells = 13;
inline constexpr int kCellStorage = 16;
inline constexpr int kMaxEntryLength = 12;
inline constexpr int kMaxDecimals = 9;
inline constexpr std::uint32_t kMessageMilliseconds = 2000;

// Which timed message the cells show, so that a reader of the model need not tell it by its
// glyphs.
enum class MessageKind : std::uint8_t {
    Banner,
    Overflow,
    NoSolution,
    FullMantissa,
    PaymentsPerYear
};

struct Display {
    explicit Display(const TickSource& clock);

    bool shiftShown = false;
    bool pendShown = false;
    bool beginMode = false;  // the BEGIN annunciator and the payment timing the solvers read
    bool lowBattery = false;
    ErrorCode error = ErrorCode::None;
    bool entryPending = false;
    bool messageActive = false;
    std::array<char16_t, 32> text{};  // printing workspace of showNumber
    bool exponentNegative = false;
    MarkCode decimalMark = MarkCode::Point;
    MarkCode groupMark = MarkCode::Comma;
    std::int32_t length = 0;
    std::int32_t pointPos = 0;
    std::int32_t decimals = 2;
    std::int32_t exponentPos = 0;
    double value = 0.0;
    std::uint32_t messageTime = 0;
    MessageKind messageKind = MessageKind::Banner;  // meaningful only while messageActive

    std::array<Glyph, kCellStorage> cells{};
    std::array<MarkCode, kCellStorage> marks{};

    const TickSource* clock;
};

// Number entry, key by key.
void appendDigit(Display& display, int digit);
void enterPoint(Display& display);
void enterExponent(Display& display);
void changeSign(Display& display);
void backspace(Display& display);
void setDecimals(Display& display, int decimals);
void clearEntry(Display& display, bool showZero);
void swapMarks(Display& display);

// Formatting, parsing and messages.
void showNumber(Display& display, double value);
double readNumber(Display& display, bool force);
void showMessage(Display& display, std::u16string_view text, MessageKind kind);
bool expireMessage(Display& display);
void showFullMantissa(Display& display);

}  // namespace tabulor
