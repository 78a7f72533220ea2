#include "palette.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace tabulor::facegen {

namespace {

int distance(Rgb8 a, Rgb8 b) {
    const int dr = a.red - b.red;
    const int dg = a.green - b.green;
    const int db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

bool isUsable(const SharedPalette& palette, int index) {
    return index < palette.nextFree || (index > kLastFreeIndex && index <= kLastArtworkIndex);
}

}  // namespace

Rgb8 toRgb8(const Rgb& colour) {
    return {channel(colour.red), channel(colour.green), channel(colour.blue)};
}

SharedPalette makeSystemPalette() {
    SharedPalette palette;
    const std::array<Rgb8, 10> low{{{0, 0, 0},
                                    {128, 0, 0},
                                    {0, 128, 0},
                                    {128, 128, 0},
                                    {0, 0, 128},
                                    {128, 0, 128},
                                    {0, 128, 128},
                                    {192, 192, 192},
                                    {192, 220, 192},
                                    {166, 202, 240}}};
    const std::array<Rgb8, 10> high{{{255, 251, 240},
                                     {160, 160, 164},
                                     {128, 128, 128},
                                     {255, 0, 0},
                                     {0, 255, 0},
                                     {255, 255, 0},
                                     {0, 0, 255},
                                     {255, 0, 255},
                                     {0, 255, 255},
                                     {255, 255, 255}}};
    std::copy(low.begin(), low.end(), palette.table.begin());
    std::copy(high.begin(), high.end(), palette.table.begin() + 246);
    return palette;
}

bool addColour(SharedPalette& palette, Rgb8 colour) {
    for (int i = kFirstArtworkIndex; i < palette.nextFree; ++i) {
        if (palette.table[static_cast<std::size_t>(i)] == colour) return true;
    }
    if (palette.nextFree > kLastFreeIndex) return false;
    palette.table[static_cast<std::size_t>(palette.nextFree++)] = colour;
    return true;
}

bool addRamp(SharedPalette& palette, const Rgb& from, const Rgb& to, int steps) {
    bool ok = true;
    for (int k = 0; k < steps; ++k) {
        ok = addColour(palette, toRgb8(mix(from, to, static_cast<double>(k) / (steps - 1)))) && ok;
    }
    return ok;
}

std::uint8_t nearestIndex(const SharedPalette& palette, const Rgb& colour) {
    const Rgb8 wanted = toRgb8(colour);
    int best = kFirstArtworkIndex;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = kFirstArtworkIndex; i <= kLastArtworkIndex; ++i) {
        if (!isUsable(palette, i)) continue;
        const int d = distance(palette.table[static_cast<std::size_t>(i)], wanted);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}

void fillFromArtwork(SharedPalette& palette, const std::vector<const Canvas*>& canvases) {
    std::map<Rgb8, long> histogram;  // ordered, so the choice never depends on hashing
    for (const Canvas* canvas : canvases) {
        for (const Rgb& pixel : canvas->pixels)
            ++histogram[toRgb8(pixel)];
    }
    struct Candidate {
        Rgb8 colour;
        long count;
        int nearest;  // squared distance to the closest usable entry
    };
    std::vector<Candidate> candidates;
    for (const auto& [colour, count] : histogram) {
        const Rgb8 match = palette.table[nearestIndex(
            palette, Rgb{static_cast<double>(colour.red), static_cast<double>(colour.green),
                         static_cast<double>(colour.blue)})];
        candidates.push_back({colour, count, distance(colour, match)});
    }
    // A colour a few steps off is indistinguishable; only worse ones earn an entry.
    constexpr int kGoodEnough = 3 * 3 * 3;
    while (palette.nextFree <= kLastFreeIndex) {
        const Candidate* worst = nullptr;
        for (const Candidate& c : candidates) {
            if (c.nearest <= kGoodEnough) continue;
            if (worst == nullptr || c.nearest * c.count > worst->nearest * worst->count) worst = &c;
        }
        if (worst == nullptr) break;
        const Rgb8 added = worst->colour;
        addColour(palette, added);
        for (Candidate& c : candidates)
            c.nearest = std::min(c.nearest, distance(c.colour, added));
    }
}

IndexedImage reduce(const SharedPalette& palette, const Canvas& canvas) {
    IndexedImage image;
    image.width = canvas.width;
    image.height = canvas.height;
    image.indices.reserve(canvas.pixels.size());
    for (const Rgb& pixel : canvas.pixels)
        image.indices.push_back(nearestIndex(palette, pixel));
    return image;
}

}  // namespace tabulor::facegen
