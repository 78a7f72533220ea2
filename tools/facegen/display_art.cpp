#include "display_art.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "design.h"
#include "pixel_font.h"

namespace tabulor::facegen {

namespace {

constexpr int kGlyphWidth = 14;
constexpr int kGlyphHeight = 35;
constexpr int kGlyphCount = 34;

enum Segment : std::uint8_t { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

// The lit segments of each glyph, in glyph index order.
constexpr std::array<std::uint8_t, kGlyphCount> kGlyphSegments{
    A | B | C | D | E | F,      // 0
    B | C,                      // 1
    A | B | D | E | G,          // 2
    A | B | C | D | G,          // 3
    B | C | F | G,              // 4
    A | C | D | F | G,          // 5
    A | C | D | E | F | G,      // 6
    A | B | C,                  // 7
    A | B | C | D | E | F | G,  // 8
    A | B | C | D | F | G,      // 9
    0,                          // 10 blank
    D,                          // 11 cursor
    G,                          // 12 minus
    A | B | C | E | F | G,      // 13 A
    C | D | E | F | G,          // 14 b
    A | D | E | F,              // 15 C
    B | C | D | E | G,          // 16 d
    A | D | E | F | G,          // 17 E
    A | E | F | G,              // 18 F
    B | C | E | F | G,          // 19 H
    F,                          // 20 upper-left stroke
    D | E | F,                  // 21 L
    A | B | F,                  // 22 upper hoop
    A | B | E | F | G,          // 23 P
    A | F,                      // 24 upper r
    C | D | E,                  // 25 u
    B | C | D | E | F,          // 26 U
    E | G,                      // 27 r
    B | C | D | F | G,          // 28 Y
    C | E | G,                  // 29 n
    C | D | E | G,              // 30 o
    E | F | G,                  // 31 t
    E,                          // 32 lower-left stroke
    A | B | C | D | E | F | G,  // 33
};

// Which segment pixel (x, y) of a 14 × 35 glyph belongs to, or 0. Segments are 3 pixels
// thick; their ends are cut at 45 degrees, with a one-pixel diagonal seam where two meet.
std::uint8_t segmentAt(int x, int y) {
    constexpr int kRight = kGlyphWidth - 1;  // 13
    constexpr int kMiddle = 16;              // middle segment: rows 15..17
    constexpr int kBottom = 32;              // bottom segment: rows 30..32
    const int fromRight = kRight - x;
    if (y <= 2 && x > y && fromRight > y) return A;
    if (y >= kBottom - 2 && y <= kBottom && x > kBottom - y && fromRight > kBottom - y) return D;
    if (std::abs(y - kMiddle) <= 1 && x > std::abs(y - kMiddle) &&
        fromRight > std::abs(y - kMiddle)) {
        return G;
    }
    const auto vertical = [&](int column) -> int {  // 0 if the column is not a segment's
        return column <= 2 ? column + 1 : 0;
    };
    const int left = vertical(x);
    const int right = vertical(fromRight);
    const int depth = left != 0 ? left - 1 : (right != 0 ? right - 1 : -1);
    if (depth < 0) return 0;
    const bool upper = y > depth && y + depth < kMiddle;
    const bool lower = y > kMiddle + depth && y + depth < kBottom;
    if (left != 0) {
        if (upper) return F;
        if (lower) return E;
    } else {
        if (upper) return B;
        if (lower) return C;
    }
    return 0;
}

}  // namespace

Canvas drawGlyphStrip() {
    Canvas strip = makeCanvas(kGlyphWidth * kGlyphCount, kGlyphHeight, colour::kCase);
    for (int y = 0; y < kGlyphHeight; ++y) {
        const Rgb background = panelColour(kGlyphTop + y);
        for (int x = 0; x < strip.width; ++x)
            at(strip, x, y) = background;
    }
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        for (int y = 0; y < kGlyphHeight; ++y) {
            for (int x = 0; x < kGlyphWidth; ++x) {
                if ((segmentAt(x, y) & kGlyphSegments[static_cast<std::size_t>(glyph)]) != 0) {
                    at(strip, kGlyphWidth * glyph + x, y) = colour::kSegment;
                }
            }
        }
    }
    return strip;
}

bool drawErrorStrip(Canvas& strip) {
    strip = makeCanvas(53, 36, colour::kAnnunciatorBackground);
    const std::array<std::string, 6> bands{"",           "ERROR TVM",  "ERROR FULL",
                                           "ERROR STAT", "ERROR FUNC", "STAT"};
    // Every text starts at the same column so that ERROR stays put from band to band; the
    // lone STAT stands where the STAT of ERROR STAT does.
    const int left = (strip.width - pixelTextWidth("ERROR STAT")) / 2;
    const int statLeft = left + pixelTextWidth("ERROR ") + 1;
    bool ok = true;
    for (std::size_t band = 1; band < bands.size(); ++band) {
        const int x = band == 5 ? statLeft : left;
        ok = drawPixelText(strip, bands[band], x, 6 * static_cast<int>(band), colour::kSegment) &&
             ok;
    }
    return ok;
}

bool drawAnnunciator(Canvas& image, const std::string& text) {
    image = makeCanvas(25, 6, colour::kAnnunciatorBackground);
    return drawPixelText(image, text, (image.width - pixelTextWidth(text)) / 2, 0,
                         colour::kSegment);
}

Canvas drawBatteryAnnunciator() {
    Canvas image = makeCanvas(16, 5, colour::kAnnunciatorBackground);
    // The terminal, a stub on the left; then the case's outline.
    for (int y = 1; y <= 3; ++y)
        at(image, 0, y) = colour::kSegment;
    for (int x = 1; x < 16; ++x) {
        at(image, x, 0) = colour::kSegment;
        at(image, x, 4) = colour::kSegment;
    }
    for (int y = 0; y < 5; ++y) {
        at(image, 1, y) = colour::kSegment;
        at(image, 15, y) = colour::kSegment;
    }
    return image;
}

}  // namespace tabulor::facegen
