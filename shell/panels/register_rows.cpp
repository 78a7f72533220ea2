#include "shell/panels/register_rows.h"

#include <charconv>
#include <string_view>

#include "display/shown_number.h"

namespace tabulor {

namespace {

// The digits the full-precision view shows.
constexpr int kSignificantDigits = 15;

std::string fullValue(double value) {
    if (value == 0.0) return "0";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general,
                                   kSignificantDigits);
    return std::string(text, end.ptr);
}

// As the window's Ctrl+C copies the display: a point, no grouping, the exponent after 'e'.
std::string plainText(std::string_view shown, MarkCode decimalMark) {
    const char decimal = decimalMark == MarkCode::Comma ? ',' : '.';
    const char grouping = decimal == ',' ? '.' : ',';
    std::string plain;
    for (const char c : shown) {
        if (c == grouping || c == ' ') continue;
        plain += c == decimal ? '.' : c == 'E' ? 'e' : c;
    }
    return plain;
}

RegisterRow valueRow(std::string name, double value, const DisplayReading& like) {
    std::string shown = shownNumber(value, like);
    std::string copy = plainText(shown, like.decimalMark);
    return RegisterRow{std::move(name), std::move(shown), fullValue(value), std::move(copy),
                       value != 0.0};
}

}  // namespace

std::vector<RegisterRow> registerRows(const CalculatorReading& reading) {
    if (!reading.display) return {};
    const DisplayReading& like = *reading.display;
    const TvmRegisters& tvm = reading.tvm;
    std::vector<RegisterRow> rows{
        valueRow("N", tvm.n, like),
        valueRow("I/YR", tvm.interestPerYear, like),
        valueRow("PV", tvm.presentValue, like),
        valueRow("PMT", tvm.payment, like),
        valueRow("FV", tvm.futureValue, like),
        valueRow("P/YR", tvm.paymentsPerYear, like),
    };
    const std::string mode = like.beginMode ? "BEGIN" : "END";
    rows.push_back(RegisterRow{"Mode", mode, mode, mode, like.beginMode});
    for (std::size_t r = 0; r < reading.registers.size(); ++r)
        rows.push_back(valueRow("R" + std::to_string(r), reading.registers[r], like));
    return rows;
}

}  // namespace tabulor
