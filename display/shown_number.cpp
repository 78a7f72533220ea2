#include "display/shown_number.h"

#include "display/display_text.h"
#include "platform/simulated_services.h"

namespace tabulor {

std::string shownNumber(double value, const DisplayReading& like) {
    return shownNumber(value, like.decimals, like.decimalMark);
}

std::string shownNumber(double value, std::int32_t decimals, MarkCode decimalMark) {
    // A scratch display, so that the one formatting there is does the work; its clock is read
    // only by timed messages, which a number does not start.
    const SimulatedClock stopped;
    Display scratch(stopped);
    scratch.decimals = decimals;
    if (scratch.decimalMark != decimalMark) swapMarks(scratch);
    showNumber(scratch, value);
    std::string text = cellText(scratch);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

}  // namespace tabulor
