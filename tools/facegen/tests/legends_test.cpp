// Every face prints the legends of the one key table: the same primary and shifted text on the
// faces at rest and pressed, normal and shifted, only their sizes and colours differ.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "face.h"

namespace tabulor::facegen {
namespace {

// The primary and the shifted legend as printed, lines joined by "\n".
std::pair<std::u32string, std::u32string> printedLegends(const KeyFacts& key, FaceKind kind) {
    std::vector<std::u32string> legends;
    for (const LegendLine& line : legendLines(key, kind)) {
        if (line.startsLegend) {
            legends.emplace_back();
        } else {
            legends.back() += U'\n';
        }
        legends.back() += line.text;
    }
    // On the shifted faces the shifted legend is the big one, printed below the primary.
    return {legends.at(0), legends.size() > 1 ? legends.at(1) : std::u32string()};
}

std::u32string widened(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

TEST(Legends, EveryFacePrintsTheKeyTablesLegends) {
    const FaceKind faces[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const KeyFacts& key : kKeyTable) {
        const std::u32string primary = widened(drawnLegend(key));
        const std::u32string shifted = widened(drawnShiftedLegend(key));
        for (const FaceKind face : faces) {
            const auto [printedPrimary, printedShifted] = printedLegends(key, face);
            EXPECT_EQ(printedPrimary, primary)
                << key.legend << " shifted " << face.shifted << " pressed " << face.pressed;
            EXPECT_EQ(printedShifted, shifted)
                << key.legend << " shifted " << face.shifted << " pressed " << face.pressed;
        }
    }
}

}  // namespace
}  // namespace tabulor::facegen
