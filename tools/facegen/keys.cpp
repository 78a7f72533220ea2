#include "keys.h"

namespace tabulor::facegen {

const std::array<KeyLegends, kKeyCount>& keyLegends() {
    static constexpr std::array<KeyLegends, kKeyCount> kKeys{{
        {0, "ON", "OFF", "On", false},     {1, "0", "", "", false},
        {2, ".", "./,", "", false},        {3, "=", "DISP", "", false},
        {4, "+", "x^2", "", false},        {5, "C", "C ALL", "", false},
        {6, "1", "", "", false},           {7, "2", "", "", false},
        {8, "3", "", "", false},           {9, "\u2212", "\u221Ax", "", false},
        {10, "SHIFT", "", "", true},       {11, "4", "", "", false},
        {12, "5", "", "", false},          {13, "6", "", "", false},
        {14, "\u00D7", "y^x", "", false},  {15, "RCL", "STO", "", false},
        {16, "7", "", "", false},          {17, "8", "", "", false},
        {18, "9", "", "", false},          {19, "\u00F7", "1/x", "", false},
        {20, "+/\u2212", "E", "", false},  {21, "%", "K", "", false},
        {22, "(", "", "", false},          {23, ")", "", "", false},
        {24, "\u2190", "RND", "", false},  {25, "N", "xP/YR", "", false},
        {26, "I/YR", "NOM\n%", "", false}, {27, "PV", "EFF\n%", "", false},
        {28, "PMT", "P/YR", "", false},    {29, "FV", "BEG\nEND", "", false},
    }};
    return kKeys;
}

}  // namespace tabulor::facegen
