#include "display_art.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "design.h"
#include "display/glyph_table.h"
#include "pixel_font.h"

namespace tabulor::facegen {

namespace {

constexpr int kGlyphWidth = 14;
constexpr int kGlyphHeight = 35;
// A segment's bit, as the glyph table sets them.
constexpr std::uint8_t A = segmentBit('a');
constexpr std::uint8_t B = segmentBit('b');
constexpr std::uint8_t C = segmentBit('c');
constexpr std::uint8_t D = segmentBit('d');
constexpr std::uint8_t E = segmentBit('e');
constexpr std::uint8_t F = segmentBit('f');
constexpr std::uint8_t G = segmentBit('g');

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
                if ((segmentAt(x, y) & kGlyphTable[static_cast<std::size_t>(glyph)].segments) !=
                    0) {
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
