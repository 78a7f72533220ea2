#include "display_shapes.h"

#include <algorithm>
#include <cmath>

#include "display/glyph_table.h"
#include "faceplate/geometry.h"

namespace tabulor::facegen {

namespace {

constexpr std::uint8_t A = segmentBit('a');
constexpr std::uint8_t B = segmentBit('b');
constexpr std::uint8_t C = segmentBit('c');
constexpr std::uint8_t D = segmentBit('d');
constexpr std::uint8_t E = segmentBit('e');
constexpr std::uint8_t F = segmentBit('f');
constexpr std::uint8_t G = segmentBit('g');

// Every edge lies half a pixel from the pixel centres it separates, so one sample at a centre
// decides it as the scale-1 pixel art does.
constexpr double kEdge = 0.5;

// A vertical segment `depth` pixels in from the glyph's side: between the top and middle
// segments, or between the middle and bottom ones, its ends cut at 45 degrees.
bool verticalAt(double depth, double y, bool upper, double middle, double bottom) {
    if (upper) return y - depth > kEdge && middle - y - depth > kEdge;
    return y - middle - depth > kEdge && bottom - y - depth > kEdge;
}

}  // namespace

std::uint8_t segmentAt(double x, double y) {
    // Segments are 3 pixels thick; their ends are cut at 45 degrees, with a one-pixel diagonal
    // seam where two meet.
    constexpr double kRight = faceplate::kGlyphWidth - 1;  // 13
    constexpr double kMiddle = 16;                         // middle segment: rows 15..17
    constexpr double kBottom = 32;                         // bottom segment: rows 30..32
    constexpr double kThick = 3;
    if (x <= -kEdge || x >= kRight + kEdge || y <= -kEdge) return 0;
    const double fromRight = kRight - x;
    if (y < kThick - kEdge && x - y > kEdge && fromRight - y > kEdge) return A;
    const double belowBottom = kBottom - y;
    if (y > kBottom - kThick + kEdge && y < kBottom + kEdge && x - belowBottom > kEdge &&
        fromRight - belowBottom > kEdge) {
        return D;
    }
    const double offMiddle = std::abs(y - kMiddle);
    if (offMiddle < 1 + kEdge && x - offMiddle > kEdge && fromRight - offMiddle > kEdge) return G;
    const bool left = x < kThick - kEdge;
    const bool right = fromRight < kThick - kEdge;
    if (!left && !right) return 0;
    const double depth = left ? x : fromRight;
    if (verticalAt(depth, y, true, kMiddle, kBottom)) return left ? F : B;
    if (verticalAt(depth, y, false, kMiddle, kBottom)) return left ? E : C;
    return 0;
}

bool markCovers(MarkCode mark, double x, double y) {
    if (mark == MarkCode::None) return false;
    // The point: the square of its pixels (faceplate/geometry.h).
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Point pixel : faceplate::kPointPixels) {
        left = std::min(left, pixel.x - kEdge);
        right = std::max(right, pixel.x + kEdge);
        top = std::min(top, pixel.y - kEdge);
        bottom = std::max(bottom, pixel.y + kEdge);
    }
    if (x > left && x < right && y > top && y < bottom) return true;
    if (mark != MarkCode::Comma) return false;
    // The comma's tail: a stroke a pixel wide under the point's right half, leaning half a pixel
    // to the left on each of its two rows, so that it takes the pixels the geometry gives it.
    const double along = y - bottom;  // 0 at the point's bottom edge
    if (along <= 0 || along >= 2) return false;
    const double centre = right - kEdge - along / 2;
    return std::abs(x - centre) < kEdge;
}

double shapeCoverage(const std::function<bool(double, double)>& inside, int column, int row,
                     int scale) {
    const int samples = scale == 1 ? 1 : 8;
    int covered = 0;
    for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
            // The sample's place in scale-1 pixels, then moved so that centres fall on whole
            // numbers.
            const double x = (column + (sx + 0.5) / samples) / scale - kEdge;
            const double y = (row + (sy + 0.5) / samples) / scale - kEdge;
            covered += inside(x, y) ? 1 : 0;
        }
    }
    return static_cast<double>(covered) / (samples * samples);
}

}  // namespace tabulor::facegen
