#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace tabulor::facegen {

namespace {

FT_Face asFace(void* face) {
    return static_cast<FT_Face>(face);
}

struct PlacedGlyph {
    std::vector<unsigned char> bitmap;
    int width = 0;
    int rows = 0;
    int pitch = 0;
    int left = 0;  // of the bitmap, relative to the line's origin on the baseline
    int top = 0;   // of the bitmap, upwards from the baseline
};

// `pixelWidth` 0 keeps the font's own proportions; another narrows (or widens) the glyphs.
bool renderGlyph(FT_Face face, char32_t character, int pixelSize, PlacedGlyph& glyph, int& advance,
                 int pixelWidth = 0) {
    const FT_UInt index = FT_Get_Char_Index(face, character);
    if (index == 0) return false;
    if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(pixelWidth),
                           static_cast<FT_UInt>(pixelSize)) != 0) {
        return false;
    }
    // Full hinting: small legends stay sharp on whole pixels, and the result only depends on the
    // font file and the FreeType version.
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return false;
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.pitch = bitmap.pitch;
    glyph.left = face->glyph->bitmap_left;
    glyph.top = face->glyph->bitmap_top;
    glyph.bitmap.assign(bitmap.buffer, bitmap.buffer + std::abs(bitmap.pitch) * bitmap.rows);
    advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    return true;
}

// One rendered character of a line, placed along it.
struct Piece {
    PlacedGlyph glyph;
    int x = 0;
    int rise = 0;
    bool radical = false;
    int advance = 0;
};

// Renders the line's characters one after another; `pen` ends past the last. False when the
// font lacks a character.
bool placePieces(FT_Face face, std::u32string_view line, int pixelSize, int scale,
                 std::vector<Piece>& pieces, int& pen) {
    // Superscripts: about 60 % of the size, lifted so that their top sits a little above the
    // capitals of the main text.
    // Never below 7 pixels: a smaller x or 2 is a blot on the small shifted legends. Chosen at
    // scale 1 and multiplied, so that every scale has the proportions of the first.
    const int superSize = scale * std::max(7, static_cast<int>(std::lround(pixelSize * 0.62)));
    const int superRise = scale * static_cast<int>(std::lround(pixelSize * 0.38));
    bool raise = false;
    pen = 0;
    for (const char32_t character : line) {
        if (character == U'^') {
            raise = true;
            continue;
        }
        Piece piece;
        piece.radical = character == U'\u221A';
        int advance = 0;
        if (!renderGlyph(face, character, raise ? superSize : pixelSize * scale, piece.glyph,
                         advance)) {
            return false;
        }
        piece.x = pen;
        piece.advance = advance;
        piece.rise = raise ? superRise : 0;
        pen += advance;
        pieces.push_back(std::move(piece));
        raise = false;
    }
    return true;
}

void paintPieces(const std::vector<Piece>& pieces, int margin, Coverage& out) {
    for (const Piece& piece : pieces) {
        const PlacedGlyph& g = piece.glyph;
        for (int row = 0; row < g.rows; ++row) {
            for (int col = 0; col < g.width; ++col) {
                const int x = margin + piece.x + g.left + col;
                const int y = out.baseline - piece.rise - g.top + row;
                if (x < 0 || y < 0 || x >= out.width || y >= out.height) continue;
                const double value =
                    g.bitmap[static_cast<std::size_t>(row) * g.pitch + col] / 255.0;
                double& cell = out.values[static_cast<std::size_t>(y) * out.width + x];
                cell = std::min(1.0, cell + value);
            }
        }
    }
}

// A square root is drawn with its bar over the radicand: the radical's top stroke, as the
// strongest of its last three columns shows it, carries on over the next character.
void extendRadicalBars(const std::vector<Piece>& pieces, int margin, int scale, Coverage& out) {
    const int strokeColumns = 3 * scale;
    for (std::size_t k = 0; k + 1 < pieces.size(); ++k) {
        if (!pieces[k].radical) continue;
        const PlacedGlyph& g = pieces[k].glyph;
        const int lastColumn = margin + pieces[k].x + g.left + g.width - 1;
        const int barEnd = std::min(out.width, margin + pieces[k + 1].x + pieces[k + 1].advance);
        const int strokeTop = std::max(0, out.baseline - pieces[k].rise - g.top);
        const int strokeBottom = std::min(out.height, strokeTop + std::max(1, g.rows / 5));
        for (int y = strokeTop; y < strokeBottom; ++y) {
            double* row = &out.values[static_cast<std::size_t>(y) * out.width];
            double value = 0;
            const int first = std::max(0, lastColumn - strokeColumns + 1);
            for (int x = first; x <= lastColumn && x < out.width; ++x)
                value = std::max(value, row[x]);
            for (int x = first; x < barEnd; ++x)
                row[x] = std::max(row[x], value);
        }
    }
}

void findInk(Coverage& out) {
    out.inkLeft = out.width;
    out.inkTop = out.height;
    out.inkRight = 0;
    out.inkBottom = 0;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            if (out.values[static_cast<std::size_t>(y) * out.width + x] <= 0) continue;
            out.inkLeft = std::min(out.inkLeft, x);
            out.inkRight = std::max(out.inkRight, x + 1);
            out.inkTop = std::min(out.inkTop, y);
            out.inkBottom = std::max(out.inkBottom, y + 1);
        }
    }
    if (out.inkRight == 0) out.inkLeft = out.inkTop = 0;
}

}  // namespace

Font::Font(const std::string& path, std::string& error) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error = "FreeType could not start";
        return;
    }
    library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        error = "cannot load the font " + path;
        return;
    }
    face_ = face;
}

Font::~Font() {
    if (face_ != nullptr) FT_Done_Face(asFace(face_));
    if (library_ != nullptr) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

namespace {

// Lays the pieces out in a buffer tall and wide enough for any of them.
void layOut(const std::vector<Piece>& pieces, int pen, int size, int scale, Coverage& out) {
    const int margin = size;
    out.width = pen + 2 * margin;
    out.height = size * 4;
    out.baseline = size * 2;
    out.values.assign(static_cast<std::size_t>(out.width) * out.height, 0.0);
    paintPieces(pieces, margin, out);
    extendRadicalBars(pieces, margin, scale, out);
    findInk(out);
}

}  // namespace

bool setLine(const Font& font, std::u32string_view line, int pixelSize, Coverage& out, int scale) {
    std::vector<Piece> pieces;
    int pen = 0;
    if (!placePieces(asFace(font.face()), line, pixelSize, scale, pieces, pen)) return false;
    layOut(pieces, pen, pixelSize * scale, scale, out);
    return true;
}

bool setCaption(const Font& font, std::string_view text, CaptionSize size, Coverage& out) {
    std::vector<Piece> pieces;
    int pen = 0;
    for (const char character : text) {
        Piece piece;
        int advance = 0;
        if (!renderGlyph(asFace(font.face()), static_cast<unsigned char>(character), size.height,
                         piece.glyph, advance, size.width)) {
            return false;
        }
        piece.x = pen;
        pen += advance;
        pieces.push_back(std::move(piece));
    }
    layOut(pieces, pen, size.height, 1, out);
    return true;
}

bool fitCaption(const Font& font, std::string_view text, int capRows, int maxWidth,
                CaptionSize& size) {
    // The largest size whose capitals are no taller than asked.
    size.height = capRows;
    while (capHeight(font, size.height + 1) <= capRows)
        ++size.height;
    // Then narrower, a pixel of width at a time, until the ink fits.
    for (size.width = size.height; size.width >= size.height / 2; --size.width) {
        Coverage out;
        if (!setCaption(font, text, size, out)) return false;
        if (out.inkRight - out.inkLeft <= maxWidth) return true;
    }
    return false;
}

int capHeight(const Font& font, int pixelSize) {
    Coverage coverage;
    if (!setLine(font, U"H", pixelSize, coverage)) return pixelSize * 3 / 4;
    return coverage.inkBottom - coverage.inkTop;
}

void drawInk(Canvas& canvas, const Coverage& coverage, int x, int y, const Rgb& colour) {
    for (int row = coverage.inkTop; row < coverage.inkBottom; ++row) {
        for (int col = coverage.inkLeft; col < coverage.inkRight; ++col) {
            const double value =
                coverage.values[static_cast<std::size_t>(row) * coverage.width + col];
            blend(canvas, x + col - coverage.inkLeft, y + row - coverage.inkTop, colour, value);
        }
    }
}

}  // namespace tabulor::facegen
