#include "display_art.h"

#include <cstddef>

#include "design.h"
#include "display/annunciator_names.h"
#include "display/glyph_table.h"
#include "display_shapes.h"
#include "faceplate/geometry.h"
#include "pixel_font.h"

namespace tabulor::facegen {

namespace {

// White over the panel by coverage; whole pixels exactly white, as the marks the program sets
// pixel by pixel at scale 1 are.
void paintShape(Canvas& canvas, int x, int y, double coverage) {
    if (coverage >= 1) {
        at(canvas, x, y) = colour::kSegment;
    } else if (coverage > 0) {
        blend(canvas, x, y, colour::kSegment, coverage);
    }
}

// A picture of the panel's rows from `top` (a face row at scale 1) on, as the face has them.
Canvas panelPicture(int width, int height, int top, int scale) {
    Canvas canvas = makeCanvas(width, height, colour::kCase);
    for (int y = 0; y < height; ++y) {
        const Rgb background = panelColour(top * scale + y, scale);
        for (int x = 0; x < width; ++x)
            at(canvas, x, y) = background;
    }
    return canvas;
}

}  // namespace

Canvas drawGlyphStrip(int scale) {
    using faceplate::kGlyphHeight;
    using faceplate::kGlyphWidth;
    const int width = kGlyphWidth * scale;
    Canvas strip =
        panelPicture(width * kGlyphCount, kGlyphHeight * scale, faceplate::kCellTop, scale);
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        const std::uint8_t lit = kGlyphTable[static_cast<std::size_t>(glyph)].segments;
        const auto inside = [lit](double x, double y) { return (segmentAt(x, y) & lit) != 0; };
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < width; ++x)
                paintShape(strip, width * glyph + x, y, shapeCoverage(inside, x, y, scale));
        }
    }
    return strip;
}

Canvas drawMarkStrip(int scale) {
    const Rect box = faceplate::kMarkRect;
    const int width = box.width() * scale;
    Canvas strip = panelPicture(width * 2, box.height() * scale, box.top, scale);
    for (const MarkCode mark : {MarkCode::Point, MarkCode::Comma}) {
        const int left = width * (static_cast<int>(mark) - 1);
        const auto inside = [mark, box](double x, double y) {
            return markCovers(mark, x + box.left, y + box.top);
        };
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < width; ++x)
                paintShape(strip, left + x, y, shapeCoverage(inside, x, y, scale));
        }
    }
    return strip;
}

bool drawErrorStrip(const Captions& captions, Canvas& strip) {
    using faceplate::kErrorBandHeight;
    const int s = captions.scale;
    strip = makeCanvas(faceplate::kErrorRect.width() * s,
                       kErrorBandHeight * faceplate::kErrorBandCount * s,
                       colour::kAnnunciatorBackground);
    const auto name = [](ErrorCode code) {
        return kErrorBandNames[static_cast<std::size_t>(code)];
    };
    // Every text starts at the same column so that ERROR stays put from band to band; the
    // lone STAT stands where the STAT of ERROR STAT does.
    const int width = faceplate::kErrorRect.width();
    const int left = (width - pixelTextWidth(name(ErrorCode::StatError))) / 2;
    const int statLeft =
        left + pixelTextWidth(name(ErrorCode::StatError)) - pixelTextWidth(name(ErrorCode::Stat));
    bool ok = true;
    for (int band = 1; band < faceplate::kErrorBandCount; ++band) {
        const ErrorCode code{band};
        const bool lone = code == ErrorCode::Stat;
        ok = drawCaption(strip, captions, name(code), lone ? statLeft : left,
                         kErrorBandHeight * band, lone ? Anchor::Right : Anchor::Left,
                         colour::kSegment) &&
             ok;
    }
    return ok;
}

bool drawAnnunciator(const Captions& captions, const Rect& place, std::string_view text,
                     Canvas& image) {
    const int s = captions.scale;
    image = makeCanvas(place.width() * s, place.height() * s, colour::kAnnunciatorBackground);
    return drawCaption(image, captions, text, (place.width() - pixelTextWidth(text)) / 2, 0,
                       Anchor::Centre, colour::kSegment);
}

Canvas drawBatteryAnnunciator(int scale) {
    constexpr int kWidth = faceplate::kBatteryRect.width();
    constexpr int kHeight = faceplate::kBatteryRect.height();
    Canvas image = makeCanvas(kWidth * scale, kHeight * scale, colour::kAnnunciatorBackground);
    // Straight strokes on whole pixels: at every scale they are sharp as they are.
    const auto stroke = [&](int x, int y) {
        for (int dy = 0; dy < scale; ++dy) {
            for (int dx = 0; dx < scale; ++dx)
                at(image, x * scale + dx, y * scale + dy) = colour::kSegment;
        }
    };
    // The terminal, a stub on the left; then the case's outline.
    for (int y = 1; y <= kHeight - 2; ++y)
        stroke(0, y);
    for (int x = 1; x < kWidth; ++x) {
        stroke(x, 0);
        stroke(x, kHeight - 1);
    }
    for (int y = 0; y < kHeight; ++y) {
        stroke(1, y);
        stroke(kWidth - 1, y);
    }
    return image;
}

}  // namespace tabulor::facegen
