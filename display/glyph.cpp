#include "display/glyph.h"

namespace tabulor {

Glyph glyphForCharacter(char16_t c) {
    if (c >= u'0' && c <= u'9') return static_cast<Glyph>(c - u'0');
    switch (c) {
        case u'O':
            return 0;
        case u'I':
            return 1;
        case u'S':
            return 5;
        case u'G':
        case u'g':
            return 9;
        case u'_':
            return GlyphIndex::Cursor;
        case u'-':
            return GlyphIndex::Minus;
        case u'A':
        case u'a':
            return 13;
        case u'B':
        case u'b':
            return 14;
        case u'C':
        case u'c':
            return 15;
        case u'D':
        case u'd':
            return 16;
        case u'E':
        case u'e':
            return GlyphIndex::Exponent;
        case u'F':
        case u'f':
            return 18;
        case u'H':
        case u'h':
            return 19;
        case u'i':
            return 20;
        case u'L':
        case u'l':
            return 21;
        case u'N':
            return 22;
        case u'P':
        case u'p':
            return 23;
        case u'r':
            return 24;
        case u'u':
            return 25;
        case u'U':
            return 26;
        case u'R':
            return 27;
        case u'Y':
            return 28;
        case u'n':
            return 29;
        case u'o':
            return 30;
        case u'T':
        case u't':
            return 31;
        case u'j':
            return 32;
        default:
            return GlyphIndex::Blank;
    }
}

}  // namespace tabulor
