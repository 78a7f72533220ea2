#include "captions.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "display/annunciator_names.h"
#include "pixel_font.h"

namespace tabulor::facegen {

bool makeCaptions(const Font& font, int scale, Captions& captions) {
    captions = Captions{&font, scale, {}};
    if (scale == 1) return true;
    bool first = true;
    const auto fit = [&](std::string_view text) {
        if (text.empty()) return true;
        CaptionSize size;
        if (!fitCaption(font, text, kPixelFontHeight * scale, pixelTextWidth(text) * scale, size)) {
            return false;
        }
        if (first || size.width < captions.size.width) captions.size = size;
        first = false;
        return true;
    };
    bool ok = fit(kShiftName) && fit(kBeginName) && fit(kPendName);
    for (const std::string_view name : kErrorBandNames)
        ok = ok && fit(name);
    return ok;
}

bool drawCaption(Canvas& canvas, const Captions& captions, std::string_view text, int x, int y,
                 Anchor anchor, const Rgb& colour) {
    const int s = captions.scale;
    if (s == 1) return drawPixelText(canvas, text, x, y, colour);
    Coverage set;
    if (!setCaption(*captions.font, text, captions.size, set)) return false;
    const int inkWidth = set.inkRight - set.inkLeft;
    const int pixelWidth = pixelTextWidth(text);
    int left = x * s;
    if (anchor == Anchor::Right) left = (x + pixelWidth) * s - inkWidth;
    if (anchor == Anchor::Centre) {
        left = static_cast<int>(std::floor((x + pixelWidth / 2.0) * s - inkWidth / 2.0 + 0.5));
    }
    // The capitals stand on the pixel font's bottom row.
    const int baseline = (y + kPixelFontHeight) * s;
    drawInk(canvas, set, left, baseline - (set.baseline - set.inkTop), colour);
    return true;
}

}  // namespace tabulor::facegen
