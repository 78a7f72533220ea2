#pragma once
// The one colour table every bitmap shares, and the reduction of full-colour artwork to it.
// Entries 0–9 and 246–255 are the platform's fixed colours; the artwork owns 10–245 and may
// also use 246 and 247.

#include <array>
#include <cstdint>
#include <vector>

#include "canvas.h"

namespace tabulor::facegen {

struct Rgb8 {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    auto operator<=>(const Rgb8&) const = default;
};

inline constexpr int kFirstArtworkIndex = 10;
inline constexpr int kLastFreeIndex = 245;     // the artwork's own entries end here
inline constexpr int kLastArtworkIndex = 247;  // and it may use two fixed colours beyond

struct SharedPalette {
    std::array<Rgb8, 256> table{};
    int nextFree = kFirstArtworkIndex;
};

Rgb8 toRgb8(const Rgb& colour);

SharedPalette makeSystemPalette();

// Adds a colour unless the palette has it already. False when the free entries are used up.
bool addColour(SharedPalette& palette, Rgb8 colour);

// `steps` colours from `from` to `to`, both ends included: the shades of an anti-aliased edge
// between two colours.
bool addRamp(SharedPalette& palette, const Rgb& from, const Rgb& to, int steps);

// Spends the free entries that are left on the colours of `canvases` that the palette matches
// worst, weighted by how many pixels have them.
void fillFromArtwork(SharedPalette& palette, const std::vector<const Canvas*>& canvases);

// The artwork entry (10–247) nearest to the colour.
std::uint8_t nearestIndex(const SharedPalette& palette, const Rgb& colour);

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // rows top to bottom
};

IndexedImage reduce(const SharedPalette& palette, const Canvas& canvas);

}  // namespace tabulor::facegen
