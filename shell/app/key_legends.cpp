#include "shell/app/key_legends.h"

#include <array>

namespace tabulor {

namespace {

constexpr std::array<KeyLegend, kKeyCount> kLegends{{
    {"ON", "OFF"},  {"0", ""},        {".", "./,"},   {"=", "DISP"},   {"+", "x²"},
    {"C", "C ALL"}, {"1", ""},        {"2", ""},      {"3", ""},       {"−", "√x"},
    {"SHIFT", ""},  {"4", ""},        {"5", ""},      {"6", ""},       {"×", "yˣ"},
    {"RCL", "STO"}, {"7", ""},        {"8", ""},      {"9", ""},       {"÷", "1/x"},
    {"+/−", "E"},   {"%", "K"},       {"(", ""},      {")", ""},       {"←", "RND"},
    {"N", "xP/YR"}, {"I/YR", "NOM%"}, {"PV", "EFF%"}, {"PMT", "P/YR"}, {"FV", "BEG/END"},
}};

}  // namespace

KeyLegend keyLegend(KeyCode code) {
    if (code < 0 || code >= kKeyCount) return KeyLegend{};
    return kLegends[static_cast<std::size_t>(code)];
}

}  // namespace tabulor
