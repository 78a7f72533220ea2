#pragma once
// The 34 glyphs of the seven-segment strip, in index order: the segments each one lights, the
// character the display line prints for it, and the message characters shown with it. The
// display model, the display line and the artwork generator all read this table. Constant and
// free of the platform, so that the generator can use it without linking the display.

#include <array>
#include <cstdint>
#include <string_view>

namespace tabulor {

// The segments in the usual seven-segment naming: a top, b upper right, c lower right, d bottom,
// e lower left, f upper left, g middle; segment a is bit 0, g bit 6.
constexpr std::uint8_t segmentBit(char segment) {
    return static_cast<std::uint8_t>(1u << (segment - 'a'));
}

// The bits of the segments named in `names` ("abcdef" lights a 0).
constexpr std::uint8_t segments(std::string_view names) {
    std::uint8_t bits = 0;
    for (const char segment : names)
        bits = static_cast<std::uint8_t>(bits | segmentBit(segment));
    return bits;
}

struct GlyphFacts {
    std::uint8_t segments = 0;
    char reads = ' ';                       // as the display line prints it
    std::u16string_view messageCharacters;  // what showMessage writes with it
};

inline constexpr int kGlyphCount = 34;

inline constexpr std::array<GlyphFacts, kGlyphCount> kGlyphTable{{
    {segments("abcdef"), '0', u"0O"}, {segments("bc"), '1', u"1I"},
    {segments("abdeg"), '2', u"2"},   {segments("abcdg"), '3', u"3"},
    {segments("bcfg"), '4', u"4"},    {segments("acdfg"), '5', u"5S"},
    {segments("acdefg"), '6', u"6"},  {segments("abc"), '7', u"7"},
    {segments("abcdefg"), '8', u"8"}, {segments("abcdfg"), '9', u"9Gg"},
    {segments(""), ' ', u" "},   // blank: also every character without a glyph
    {segments("d"), '_', u"_"},  // the entry cursor
    {segments("g"), '-', u"-"},       {segments("abcefg"), 'A', u"Aa"},
    {segments("cdefg"), 'b', u"Bb"},  {segments("adef"), 'C', u"Cc"},
    {segments("bcdeg"), 'd', u"Dd"},  {segments("adefg"), 'E', u"Ee"},  // also the exponent
    {segments("aefg"), 'F', u"Ff"},   {segments("bcefg"), 'H', u"Hh"},
    {segments("f"), 'i', u"i"},                                      // upper-left stroke
    {segments("def"), 'L', u"Ll"},    {segments("abf"), 'N', u"N"},  // upper hoop
    {segments("abefg"), 'P', u"Pp"},  {segments("af"), 'r', u"r"},   // upper r
    {segments("cde"), 'u', u"u"},     {segments("bcdef"), 'U', u"U"},
    {segments("eg"), 'R', u"R"},      {segments("bcdfg"), 'Y', u"Y"},
    {segments("ceg"), 'n', u"n"},     {segments("cdeg"), 'o', u"o"},
    {segments("efg"), 't', u"Tt"},    {segments("e"), 'j', u"j"},  // lower-left stroke
    {segments("abcdefg"), '8', u""},                               // no operation produces it
}};

}  // namespace tabulor
