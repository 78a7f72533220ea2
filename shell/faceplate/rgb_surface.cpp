#include "shell/faceplate/rgb_surface.h"

#include <algorithm>

namespace tabulor {

RgbSurface::RgbSurface(std::int32_t width, std::int32_t height, Colour background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      clip_{0, 0, width_, height_},
      rgb_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    for (std::size_t at = 0; at < rgb_.size(); at += 3) {
        rgb_[at] = background.red;
        rgb_[at + 1] = background.green;
        rgb_[at + 2] = background.blue;
    }
}

Colour RgbSurface::pixel(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

bool RgbSurface::drawable(std::int32_t x, std::int32_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && x >= clip_.left && x < clip_.right &&
           y >= clip_.top && y < clip_.bottom;
}

void RgbSurface::setPixel(std::int32_t x, std::int32_t y, Colour colour) {
    if (!drawable(x, y)) return;
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    rgb_[at] = colour.red;
    rgb_[at + 1] = colour.green;
    rgb_[at + 2] = colour.blue;
}

void RgbSurface::copyImage(const Rect& destination, const Image& image, Point source) {
    if (!imageIsComplete(image)) return;
    // Only the part of the destination inside the surface and the clip is visited, so a wild
    // rectangle costs nothing; 64-bit sums keep far-off source points from overflowing.
    const std::int32_t top = std::max({destination.top, clip_.top, 0});
    const std::int32_t bottom = std::min({destination.bottom, clip_.bottom, height_});
    const std::int32_t left = std::max({destination.left, clip_.left, 0});
    const std::int32_t right = std::min({destination.right, clip_.right, width_});
    const std::int64_t imageW = imageWidth(image);
    const std::int64_t imageH = imageHeight(image);
    for (std::int32_t y = top; y < bottom; ++y) {
        const std::int64_t sy = std::int64_t{source.y} + y - destination.top;
        if (sy < 0 || sy >= imageH) continue;
        for (std::int32_t x = left; x < right; ++x) {
            const std::int64_t sx = std::int64_t{source.x} + x - destination.left;
            if (sx < 0 || sx >= imageW) continue;
            const PaletteEntry entry = tableColour(
                image,
                pixelIndex(image, static_cast<std::int32_t>(sx), static_cast<std::int32_t>(sy)));
            setPixel(x, y, {entry.red, entry.green, entry.blue});
        }
    }
}

void RgbSurface::setClip(const Rect& clip) {
    clip_ = clip;
}

const Palette* RgbSurface::selectPalette(const Palette* palette) {
    const Palette* previous = selected_;
    selected_ = palette;
    return previous;
}

}  // namespace tabulor
