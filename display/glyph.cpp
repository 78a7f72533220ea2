#include "display/glyph.h"

#include <array>

namespace tabulor {

namespace {

// Every message character is ASCII and shows with one glyph only.
constexpr bool eachMessageCharacterHasOneGlyph() {
    std::array<bool, 128> seen{};
    for (const GlyphFacts& glyph : kGlyphTable) {
        for (const char16_t c : glyph.messageCharacters) {
            if (c >= seen.size() || seen[c]) return false;
            seen[c] = true;
        }
    }
    return true;
}
static_assert(eachMessageCharacterHasOneGlyph());

// The table turned around once, at compile time.
constexpr std::array<Glyph, 128> kGlyphOfAscii = [] {
    std::array<Glyph, 128> glyphs{};
    glyphs.fill(Glyph::Blank);
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        for (const char16_t c : kGlyphTable[static_cast<std::size_t>(glyph)].messageCharacters)
            glyphs[c] = static_cast<Glyph>(glyph);
    }
    return glyphs;
}();

}  // namespace

Glyph glyphForCharacter(char16_t c) {
    return c < kGlyphOfAscii.size() ? kGlyphOfAscii[c] : Glyph::Blank;
}

}  // namespace tabulor
