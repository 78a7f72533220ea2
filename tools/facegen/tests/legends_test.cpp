// Every face prints the legends of the one key table: the same primary and shifted text on the
// faces at rest and pressed, normal and shifted, only their sizes and colours differ.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "face.h"
#include "text.h"

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

TEST(Legends, EveryFacePrintsTheKeyTablesLegends) {
    const FaceKind faces[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const KeyFacts& key : kKeyTable) {
        const std::u32string primary = decodeUtf8(drawnLegend(key)).value();
        const std::u32string shifted = decodeUtf8(drawnShiftedLegend(key)).value();
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
