#include "display_art.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "design.h"
#include "display/annunciator_names.h"
#include "display/glyph_table.h"
#include "faceplate/geometry.h"
#include "pixel_font.h"

namespace tabulor::facegen {

namespace {

using faceplate::kGlyphHeight;
using faceplate::kGlyphWidth;
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
        const Rgb background = panelColour(faceplate::kCellTop + y);
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
    using faceplate::kErrorBandHeight;
    strip = makeCanvas(faceplate::kErrorRect.width(), kErrorBandHeight * faceplate::kErrorBandCount,
                       colour::kAnnunciatorBackground);
    const auto name = [](ErrorCode code) {
        return kErrorBandNames[static_cast<std::size_t>(code)];
    };
    // Every text starts at the same column so that ERROR stays put from band to band; the
    // lone STAT stands where the STAT of ERROR STAT does.
    const int left = (strip.width - pixelTextWidth(name(ErrorCode::StatError))) / 2;
    const int statLeft =
        left + pixelTextWidth(name(ErrorCode::StatError)) - pixelTextWidth(name(ErrorCode::Stat));
    bool ok = true;
    for (int band = 1; band < faceplate::kErrorBandCount; ++band) {
        const ErrorCode code{band};
        const int x = code == ErrorCode::Stat ? statLeft : left;
        ok = drawPixelText(strip, name(code), x, kErrorBandHeight * band, colour::kSegment) && ok;
    }
    return ok;
}

bool drawAnnunciator(Canvas& image, const Rect& place, std::string_view text) {
    image = makeCanvas(place.width(), place.height(), colour::kAnnunciatorBackground);
    return drawPixelText(image, text, (image.width - pixelTextWidth(text)) / 2, 0,
                         colour::kSegment);
}

Canvas drawBatteryAnnunciator() {
    constexpr int kWidth = faceplate::kBatteryRect.width();
    constexpr int kHeight = faceplate::kBatteryRect.height();
    Canvas image = makeCanvas(kWidth, kHeight, colour::kAnnunciatorBackground);
    // The terminal, a stub on the left; then the case's outline.
    for (int y = 1; y <= kHeight - 2; ++y)
        at(image, 0, y) = colour::kSegment;
    for (int x = 1; x < kWidth; ++x) {
        at(image, x, 0) = colour::kSegment;
        at(image, x, kHeight - 1) = colour::kSegment;
    }
    for (int y = 0; y < kHeight; ++y) {
        at(image, 1, y) = colour::kSegment;
        at(image, kWidth - 1, y) = colour::kSegment;
    }
    return image;
}

}  // namespace tabulor::facegen
