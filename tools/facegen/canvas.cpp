#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace tabulor::facegen {

Rgb mix(const Rgb& from, const Rgb& to, double amount) {
    return {from.red + (to.red - from.red) * amount, from.green + (to.green - from.green) * amount,
            from.blue + (to.blue - from.blue) * amount};
}

Canvas makeCanvas(int width, int height, const Rgb& fill) {
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(static_cast<std::size_t>(width) * height, fill);
    return canvas;
}

Rgb& at(Canvas& canvas, int x, int y) {
    return canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x];
}

const Rgb& at(const Canvas& canvas, int x, int y) {
    return canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x];
}

void blend(Canvas& canvas, int x, int y, const Rgb& colour, double coverage) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height || coverage <= 0) return;
    Rgb& pixel = at(canvas, x, y);
    pixel = mix(pixel, colour, std::min(coverage, 1.0));
}

namespace {

bool insideRoundedBox(const Box& box, double radius, double px, double py) {
    if (px < box.left || px >= box.right || py < box.top || py >= box.bottom) return false;
    const double cx = std::clamp(px, box.left + radius, box.right - radius);
    const double cy = std::clamp(py, box.top + radius, box.bottom - radius);
    const double dx = px - cx;
    const double dy = py - cy;
    return dx * dx + dy * dy <= radius * radius;
}

}  // namespace

double roundedBoxCoverage(const Box& box, double radius, int x, int y) {
    constexpr int kSamples = 8;
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            const double px = x + (sx + 0.5) / kSamples;
            const double py = y + (sy + 0.5) / kSamples;
            if (insideRoundedBox(box, radius, px, py)) ++inside;
        }
    }
    return static_cast<double>(inside) / (kSamples * kSamples);
}

void fillRoundedBox(Canvas& canvas, const Box& box, double radius, const Rgb& colour) {
    const int x0 = std::max(0, static_cast<int>(std::floor(box.left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.top)));
    const int x1 = std::min(canvas.width, static_cast<int>(std::ceil(box.right)));
    const int y1 = std::min(canvas.height, static_cast<int>(std::ceil(box.bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            blend(canvas, x, y, colour, roundedBoxCoverage(box, radius, x, y));
        }
    }
}

void paste(Canvas& target, const Canvas& source, int x, int y) {
    for (int sy = 0; sy < source.height; ++sy) {
        for (int sx = 0; sx < source.width; ++sx) {
            const int tx = x + sx;
            const int ty = y + sy;
            if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
            at(target, tx, ty) = at(source, sx, sy);
        }
    }
}

}  // namespace tabulor::facegen
