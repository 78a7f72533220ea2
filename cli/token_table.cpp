#include "cli/token_table.h"

#include <array>
#include <cstddef>

namespace tabulor {

namespace {

constexpr NamedToken tap(std::string_view name, KeyCode code) {
    return {name, TokenAction::Tap, code};
}

constexpr NamedToken shifted(std::string_view name, KeyCode code) {
    return {name, TokenAction::ShiftedTap, code};
}

// Digits are not listed: any run of digits is a number token (see token_parsing).
constexpr std::array kTokens{
    tap("ON", Key::On),
    tap(".", Key::Point),
    tap("=", Key::Equals),
    tap("+", Key::Add),
    tap("C", Key::Clear),
    tap("-", Key::Subtract),
    tap("−", Key::Subtract),
    tap("SHIFT", Key::Shift),
    tap("*", Key::Multiply),
    tap("×", Key::Multiply),
    tap("RCL", Key::Recall),
    tap("/", Key::Divide),
    tap("÷", Key::Divide),
    tap("+/-", Key::ChangeSign),
    tap("±", Key::ChangeSign),
    tap("%", Key::Percent),
    tap("(", Key::OpenParen),
    tap(")", Key::CloseParen),
    tap("BS", Key::Backspace),
    tap("←", Key::Backspace),
    tap("<-", Key::Backspace),
    tap("N", Key::N),
    tap("I/YR", Key::InterestPerYear),
    tap("PV", Key::PresentValue),
    tap("PMT", Key::Payment),
    tap("FV", Key::FutureValue),
    shifted("OFF", Key::On),
    shifted("./,", Key::Point),
    shifted("DISP", Key::Equals),
    shifted("x^2", Key::Add),
    shifted("x²", Key::Add),
    shifted("CALL", Key::Clear),
    shifted("C_ALL", Key::Clear),
    shifted("sqrt", Key::Subtract),
    shifted("√x", Key::Subtract),
    shifted("y^x", Key::Multiply),
    shifted("yˣ", Key::Multiply),
    shifted("STO", Key::Recall),
    shifted("1/x", Key::Divide),
    shifted("E", Key::ChangeSign),
    shifted("K", Key::Percent),
    shifted("RND", Key::Backspace),
    shifted("xP/YR", Key::N),
    shifted("NOM%", Key::InterestPerYear),
    shifted("EFF%", Key::PresentValue),
    shifted("P/YR", Key::Payment),
    shifted("BEG/END", Key::FutureValue),
    NamedToken{"WAIT", TokenAction::Wait, 0},
};

char foldAsciiCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Bytes outside ASCII (the UTF-8 of ×, ÷, ...) must match exactly.
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAsciiCase(a[i]) != foldAsciiCase(b[i])) return false;
    }
    return true;
}

}  // namespace

std::span<const NamedToken> namedTokens() {
    return kTokens;
}

std::optional<NamedToken> findNamedToken(std::string_view text) {
    for (const NamedToken& token : kTokens) {
        if (equalIgnoringAsciiCase(token.name, text)) return token;
    }
    return std::nullopt;
}

}  // namespace tabulor
