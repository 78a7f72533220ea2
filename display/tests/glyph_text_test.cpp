// The characters of the display line that need no Display record.
#include <gtest/gtest.h>

#include "display/display_text.h"

namespace tabulor {
namespace {

TEST(GlyphCharacter, EachGlyphReadsAsItsSegments) {
    const std::pair<int, char> cases[] = {
        {0, '0'},  {1, '1'},  {5, '5'},  {9, '9'},  {10, ' '}, {11, '_'}, {12, '-'},
        {13, 'A'}, {14, 'b'}, {15, 'C'}, {16, 'd'}, {17, 'E'}, {18, 'F'}, {19, 'H'},
        {20, 'i'}, {21, 'L'}, {22, 'N'}, {23, 'P'}, {24, 'r'}, {25, 'u'}, {26, 'U'},
        {27, 'R'}, {28, 'Y'}, {29, 'n'}, {30, 'o'}, {31, 't'}, {32, 'j'}, {33, '8'},
    };
    for (const auto& [glyph, character] : cases) {
        EXPECT_EQ(glyphCharacter(static_cast<Glyph>(glyph)), character) << glyph;
    }
}

TEST(GlyphCharacter, DigitsReadAsThemselves) {
    for (int g = 0; g <= 9; ++g)
        EXPECT_EQ(glyphCharacter(static_cast<Glyph>(g)), '0' + g);
}

TEST(GlyphCharacter, MessageTextsReadAsDrawn) {
    // The glyphs a message is written with read as drawn: O as 0, S as 5, lower-case l as L.
    std::string text;
    for (const char16_t c : std::u16string_view(u" OFLO  P_YR no Solutjon")) {
        text += glyphCharacter(glyphForCharacter(c));
    }
    EXPECT_EQ(text, " 0FL0  P_YR no 5oLutjon");
}

TEST(GlyphCharacter, OutsideTheStripIsAQuestionMark) {
    for (const Glyph g : {Glyph{-1}, Glyph{34}, Glyph{127}, Glyph{-128}}) {
        EXPECT_EQ(glyphCharacter(g), '?') << static_cast<int>(g);
    }
}

TEST(MarkCharacter, AsTheFaceplateDrawsIt) {
    EXPECT_EQ(markCharacter(MarkCode::None), 0);
    EXPECT_EQ(markCharacter(MarkCode::Point), '.');
    EXPECT_EQ(markCharacter(MarkCode::Comma), ',');
    EXPECT_EQ(markCharacter(MarkCode{3}), ',');   // any code above 1 gets the comma's tail
    EXPECT_EQ(markCharacter(MarkCode{-1}), '.');  // any nonzero code gets the point
}

// The named bands are read in display_text_test's lines; a code without a band says its number.
TEST(ErrorBandName, ACodeWithoutABandSaysItsNumber) {
    EXPECT_EQ(errorBandName(ErrorCode::None), "");
    EXPECT_EQ(errorBandName(ErrorCode{9}), "ERROR 9");
    EXPECT_EQ(errorBandName(ErrorCode{-1}), "ERROR -1");
}

}  // namespace
}  // namespace tabulor
