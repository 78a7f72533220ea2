#include "icon.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "design.h"

namespace tabulor::facegen {

namespace {

// Colour with coverage, composited back to front.
struct Layered {
    int size = 0;
    double units = 32;
    std::vector<double> red, green, blue, alpha;  // premultiplied
};

void over(Layered& picture, int x, int y, const Rgb& colour, double coverage) {
    if (coverage <= 0) return;
    const std::size_t i = static_cast<std::size_t>(y) * picture.size + x;
    const double keep = 1 - coverage;
    picture.red[i] = colour.red * coverage + picture.red[i] * keep;
    picture.green[i] = colour.green * coverage + picture.green[i] * keep;
    picture.blue[i] = colour.blue * coverage + picture.blue[i] * keep;
    picture.alpha[i] = coverage + picture.alpha[i] * keep;
}

// A rounded box given on the layout's grid (`Layered::units` a side), scaled to the icon's size;
// `shade` may vary the colour by row (for the display's gradient).
template <typename Shade>
void box(Layered& picture, double left, double top, double right, double bottom, double radius,
         Shade shade) {
    const double scale = picture.size / picture.units;
    const Box scaled{left * scale, top * scale, right * scale, bottom * scale};
    for (int y = 0; y < picture.size; ++y) {
        for (int x = 0; x < picture.size; ++x) {
            const double coverage = roundedBoxCoverage(scaled, radius * scale, x, y);
            if (coverage > 0) over(picture, x, y, shade((y + 0.5) / scale), coverage);
        }
    }
}

void box(Layered& picture, double left, double top, double right, double bottom, double radius,
         const Rgb& colour) {
    box(picture, left, top, right, bottom, radius, [&](double) { return colour; });
}

}  // namespace

std::vector<std::uint8_t> drawIcon(int size) {
    Layered picture;
    picture.size = size;
    const std::size_t count = static_cast<std::size_t>(size) * size;
    picture.red.assign(count, 0);
    picture.green.assign(count, 0);
    picture.blue.assign(count, 0);
    picture.alpha.assign(count, 0);

    const auto displayShade = [](double top, double bottom) {
        return [top, bottom](double y) {
            const double t = std::clamp((y - top) / (bottom - top), 0.0, 1.0);
            return t < 0.5 ? mix(colour::kPanelTop, colour::kPanelMiddle, t * 2)
                           : mix(colour::kPanelMiddle, colour::kPanelBottom, t * 2 - 1);
        };
    };
    if (size < 24) {
        // Too small for the full drawing: a layout on whole pixels of a 16-pixel grid, with
        // fewer, clearly separated keys.
        picture.units = 16;
        box(picture, 2, 0, 14, 16, 1.5, Rgb{112, 116, 136});
        box(picture, 3, 1, 13, 15, 1, colour::kCase);
        box(picture, 4, 2, 12, 6, 0.5, displayShade(2, 6));
        box(picture, 7, 3.5, 11, 4.5, 0, colour::kSegment);
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                const double left = 4 + column * 3;
                const double top = 8 + row * 3;
                const bool red = row == 1 && column == 2;
                box(picture, left, top, left + 2, top + 2, 0,
                    red ? colour::kLegendRed : colour::kLegendBlue);
            }
        }
    } else {
        // The case: a soft grey rim around a white body.
        box(picture, 4, 1, 28, 31, 3.5, Rgb{112, 116, 136});
        box(picture, 5, 2, 27, 30, 2.5, colour::kCase);
        // The display, with the faceplate panel's gradient squeezed into its height.
        box(picture, 8, 4, 24, 12, 1.5, displayShade(4, 12));
        // A lit "88" on the display.
        const Rgb white = colour::kSegment;
        for (double x : {14.5, 19.5}) {
            box(picture, x, 5.5, x + 3.5, 6.5, 0.3, white);
            box(picture, x, 7.5, x + 3.5, 8.5, 0.3, white);
            box(picture, x, 9.5, x + 3.5, 10.5, 0.3, white);
            box(picture, x - 0.6, 5.5, x + 0.4, 10.5, 0.3, white);
            box(picture, x + 3.1, 5.5, x + 4.1, 10.5, 0.3, white);
        }
        // Three columns and four rows of keys, the last one red like SHIFT's legend.
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column) {
                // Whole pixels at 32 × 32, the size most often shown.
                const double left = 8 + column * 6;
                const double top = 14 + row * 4;
                const bool red = row == 3 && column == 2;
                box(picture, left, top, left + 4, top + 3, 1,
                    red ? colour::kLegendRed : colour::kLegendBlue);
            }
        }
    }

    std::vector<std::uint8_t> rgba;
    rgba.reserve(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        const double a = picture.alpha[i];
        const auto unpremultiply = [&](double value) {
            return static_cast<std::uint8_t>(
                std::clamp(std::lround(a > 0 ? value / a : 0.0), 0L, 255L));
        };
        rgba.push_back(unpremultiply(picture.red[i]));
        rgba.push_back(unpremultiply(picture.green[i]));
        rgba.push_back(unpremultiply(picture.blue[i]));
        rgba.push_back(static_cast<std::uint8_t>(std::clamp(std::lround(a * 255), 0L, 255L)));
    }
    return rgba;
}

}  // namespace tabulor::facegen
